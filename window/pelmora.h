#ifndef PELMORA_H
#define PELMORA_H

// Pelmora, the one calculator window.
//
// The window (window/) builds the header, the form and the buttons and wires them to three
// slots. The arithmetic lives in calc/: a GUI-free library (placement.h) holds the rules, and
// calc/submit.cpp holds the members that read the fields and write the four result labels.
// Printing lives in print/: the preview dialog and the one-page summary painted from whatever
// the fields and labels hold at that moment; nothing is recalculated for the page.

#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QPrinter;
QT_END_NAMESPACE

class Pelmora : public QWidget
{
    Q_OBJECT

public:
    explicit Pelmora(QWidget *parent = nullptr);

private slots:
    void SubmitSlot();
    void PreviewSlot();
    void PrintRequest(QPrinter *printer);

private:
    double TreesPerAcre() const;
    void UpdateTotal(quint64 perAcreNeeded);

    QLineEdit *orchardNameEdit;
    QLineEdit *dispensersPerAcreEdit;
    QLineEdit *orchardSizeEdit;
    QLineEdit *withinRowSpacingEdit;
    QLineEdit *betweenRowSpacingEdit;
    QLabel *treesPerAcreLabel;
    QLabel *dispensersPerTreeLabel;
    QLabel *perAcreNeededLabel;
    QLabel *totalQuantityLabel;
};

#endif // PELMORA_H
