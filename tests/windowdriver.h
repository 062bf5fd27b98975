#ifndef WINDOWDRIVER_H
#define WINDOWDRIVER_H

// Finds the window's fields, labels and buttons the way a user does, by the text beside them,
// and answers modal boxes from a timer so that no test can hang on one.

#include "pelmora.h"

#include <QApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

inline QFormLayout *formOf(Pelmora &window)
{
    return qobject_cast<QFormLayout *>(window.layout());
}

// The field beside the row label that reads rowText.
template<typename Field>
Field *fieldBeside(Pelmora &window, const QString &rowText)
{
    QFormLayout *form = formOf(window);
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole);
        auto *labelWidget = label ? qobject_cast<QLabel *>(label->widget()) : nullptr;
        if (labelWidget && labelWidget->text() == rowText) {
            QLayoutItem *field = form->itemAt(row, QFormLayout::FieldRole);
            return field ? qobject_cast<Field *>(field->widget()) : nullptr;
        }
    }
    return nullptr;
}

// What the header's logo row shows (null when the logo could not be loaded).
inline QPixmap logoShown(Pelmora &window)
{
    auto *logo = qobject_cast<QLabel *>(
        formOf(window)->itemAt(1, QFormLayout::SpanningRole)->widget());
    if (!logo)
        return QPixmap();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return logo->pixmap();
#else
    return logo->pixmap(Qt::ReturnByValue);
#endif
}

inline QPushButton *buttonNamed(Pelmora &window, const QString &text)
{
    const auto buttons = window.findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// The window's five inputs and four results, in the order of its form rows.
struct WindowDriver
{
    explicit WindowDriver(Pelmora &w)
        : window(w),
          name(fieldBeside<QLineEdit>(w, "Orchard or Block Name:")),
          size(fieldBeside<QLineEdit>(w, "Orchard Size (Acres):")),
          dispensers(fieldBeside<QLineEdit>(w, "Dispensers Per Acre:")),
          within(fieldBeside<QLineEdit>(w, "Tree Spacing Within Rows (ft):")),
          between(fieldBeside<QLineEdit>(w, "Tree Spacing Between Rows (ft):")),
          trees(fieldBeside<QLabel>(w, "Trees Per Acre:")),
          pattern(fieldBeside<QLabel>(w, "Dispensers Per Tree:")),
          needed(fieldBeside<QLabel>(w, "Calculated Dispensers Per Acre Needed:")),
          total(fieldBeside<QLabel>(w, "Total Quantity of Dispensers Required:")),
          calculate(buttonNamed(w, "Calculate")),
          preview(buttonNamed(w, "Print Preview"))
    {
    }

    bool complete() const
    {
        return name && size && dispensers && within && between && trees && pattern && needed
            && total && calculate && preview;
    }

    // Replaces a field's text by typing, as a user would after selecting it.
    static void type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    void enter(const QString &sizeText, const QString &dispensersText, const QString &withinText,
               const QString &betweenText)
    {
        type(size, sizeText);
        type(dispensers, dispensersText);
        type(within, withinText);
        type(between, betweenText);
    }

    QStringList results() const
    {
        return {trees->text(), pattern->text(), needed->text(), total->text()};
    }

    Pelmora &window;
    QLineEdit *name, *size, *dispensers, *within, *between;
    QLabel *trees, *pattern, *needed, *total;
    QPushButton *calculate, *preview;
};

// Watches for the next modal window while armed, hands it to inspect, then closes it.
class ModalCloser : public QObject
{
public:
    explicit ModalCloser(std::function<void(QWidget *)> inspect = {})
        : inspect(std::move(inspect))
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            ++seen;
            if (this->inspect)
                this->inspect(modal);
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                title = box->windowTitle();
                text = box->text();
                buttons = box->standardButtons();
                if (QAbstractButton *ok = box->button(QMessageBox::Ok)) {
                    ok->click();
                    return;
                }
            }
            modal->close();
        });
        timer.start(10);
    }

    QTimer timer;
    std::function<void(QWidget *)> inspect;
    int seen = 0;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

#endif // WINDOWDRIVER_H
