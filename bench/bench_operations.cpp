// What a grower waits for after start-up: one calculation through the window, and the summary
// page painted into a PDF.

#include "pelmora.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class BenchOperations : public QObject
{
    Q_OBJECT

private slots:
    void calculation();
    void summaryPageToPdf();

private:
    static QLineEdit *field(Pelmora &window, int row)
    {
        auto *form = static_cast<QFormLayout *>(window.layout());
        return qobject_cast<QLineEdit *>(form->itemAt(row, QFormLayout::FieldRole)->widget());
    }
    static void fillTypicalExample(Pelmora &window)
    {
        field(window, 6)->setText("12");
        field(window, 7)->setText("400");
        field(window, 8)->setText("10");
        field(window, 9)->setText("20");
    }
};

void BenchOperations::calculation()
{
    Pelmora window;
    fillTypicalExample(window);
    QPushButton *calculate = window.findChildren<QPushButton *>().at(1); // as on screen
    QCOMPARE(calculate->text(), QString("Calculate"));
    QBENCHMARK {
        calculate->click();
    }
    auto *form = static_cast<QFormLayout *>(window.layout());
    QCOMPARE(qobject_cast<QLabel *>(form->itemAt(13, QFormLayout::FieldRole)->widget())->text(),
             QString("5232"));
}

void BenchOperations::summaryPageToPdf()
{
    Pelmora window;
    fillTypicalExample(window);
    QTemporaryDir dir;
    QBENCHMARK {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("summary.pdf"));
        QMetaObject::invokeMethod(&window, "PrintRequest", Q_ARG(QPrinter*, &printer));
    }
    QVERIFY(QFileInfo(dir.filePath("summary.pdf")).size() > 0);
}

QTEST_MAIN(BenchOperations)
#include "bench_operations.moc"
