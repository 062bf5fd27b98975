#ifndef PELMORA_H
#define PELMORA_H

// Pelmora, the one calculator window.
//
// The window (window/) builds the header, the form and the buttons and holds the three slots.
// "Calculate" hands the typed fields and the shown results to the arithmetic in calc/
// (placement.h), a GUI-free library, and writes back what it answers. Printing lives in
// print/: the preview asks for the page, which summarypage.h paints from the texts the fields
// and labels hold at that moment. Neither calc/ nor print/ knows this class.

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
