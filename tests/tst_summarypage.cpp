// The printed summary, checked on real output (see printedpage.h).

#include "pelmora.h"
#include "printedpage.h"
#include "supplier.h"
#include "windowdriver.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

namespace {

qreal drawingWidth(QPageLayout::Orientation orientation)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(orientation);
    return printer.pageRect(QPrinter::DevicePixel).toRect().width() - 60.0;
}

} // namespace

class TestSummaryPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsSixteenLinesInPlace_data();
    void printsSixteenLinesInPlace();
    void printsFieldsAsTypedBesideEarlierResults();
    void previewOpensModalOnOnePageAndChangesNothing();
    void previewSavesPdfWhenNoPrinterIsSetUp();
};

void TestSummaryPage::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QFAIL("pdftotext is missing: make test installs poppler-utils");
}

void TestSummaryPage::printsSixteenLinesInPlace_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("centred");

    QTest::newRow("1 title") << 0 << "Distribution of Dispensers" << 40 << 30 << true;
    QTest::newRow("2 supplier") << 1 << Supplier::providedBy << 90 << 16 << true;
    QTest::newRow("3 street") << 2 << Supplier::street << 115 << 12 << true;
    QTest::newRow("4 city") << 3 << Supplier::cityStateZip << 135 << 12 << true;
    QTest::newRow("5 tel") << 4 << Supplier::telephone << 155 << 12 << true;
    QTest::newRow("6 toll free") << 5 << Supplier::tollFree << 175 << 12 << true;
    QTest::newRow("7 fax") << 6 << Supplier::fax << 195 << 12 << true;
    QTest::newRow("8 name") << 7 << "Ochard Name: North %1 Block" << 255 << 16 << false;
    QTest::newRow("9 size") << 8 << "Orchard Size (Acres): 12" << 280 << 16 << false;
    QTest::newRow("10 dispensers") << 9 << "Dispensers Per Acre: 400" << 305 << 16 << false;
    QTest::newRow("11 within") << 10 << "Tree Spacing Within Rows (ft): 10" << 330 << 16 << false;
    QTest::newRow("12 between") << 11 << "Tree Spacing Between Rows (ft): 20" << 355 << 16
                                << false;
    QTest::newRow("13 trees") << 12 << "Trees Per Acre: 218" << 380 << 16 << false;
    QTest::newRow("14 pattern") << 13 << "Dispensers Per Tree: 2" << 405 << 16 << false;
    QTest::newRow("15 needed") << 14 << "Calculated Dispensers Per Acre Needed: 436" << 430
                               << 16 << false;
    QTest::newRow("16 total") << 15 << "Total Quantity of Dispensers Required: 5232" << 455
                              << 16 << false;
}

void TestSummaryPage::printsSixteenLinesInPlace()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, pointSize);
    QFETCH(bool, centred);

    Pelmora window;
    WindowDriver ui(window);
    WindowDriver::type(ui.name, "North %1 Block");
    ui.enter("12", "400", "10", "20");
    QTest::keyClick(ui.between, Qt::Key_Return);

    // Landscape widens the lines; tops, fonts and texts stay.
    QVERIFY(drawingWidth(QPageLayout::Landscape) > drawingWidth(QPageLayout::Portrait));
    for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        const PrintedPages printed = printSummary(window, orientation);
        QCOMPARE(printed.pages, 1);
        QCOMPARE(printed.lines.size(), 16);
        const PrintedLine &printedLine = printed.lines.at(line);
        QCOMPARE(printedLine.text, text);
        QVERIFY2(qAbs(printedLine.box.top() - top) < 1.5,
                 qPrintable(QString("top %1").arg(printedLine.box.top())));
        const qreal expectedX = centred ? 60 + drawingWidth(orientation) / 2 : 60;
        const qreal x = centred ? printedLine.box.center().x() : printedLine.box.left();
        QVERIFY2(qAbs(x - expectedX) < 1.5, qPrintable(QString("x %1, not %2").arg(x)
                                                           .arg(expectedX)));
        // Heights scale with the point size; the 12-point street line is the yardstick.
        const qreal size = 12 * printedLine.box.height() / printed.lines.at(2).box.height();
        QVERIFY2(qAbs(size - pointSize) < pointSize * 0.03, qPrintable(QString::number(size)));
    }
}

void TestSummaryPage::printsFieldsAsTypedBesideEarlierResults()
{
    Pelmora window;
    WindowDriver ui(window);

    // Before any calculation the results print as their label alone.
    PrintedPages printed = printSummary(window, QPageLayout::Portrait);
    QStringList data;
    for (int i = 7; i < printed.lines.size(); ++i)
        data << printed.lines.at(i).text;
    QCOMPARE(data, QStringList({"Ochard Name:", "Orchard Size (Acres):",
                                "Dispensers Per Acre: 400", "Tree Spacing Within Rows (ft):",
                                "Tree Spacing Between Rows (ft):", "Trees Per Acre:",
                                "Dispensers Per Tree:", "Calculated Dispensers Per Acre Needed:",
                                "Total Quantity of Dispensers Required:"}));

    ui.enter("12", "400", "20", "20");
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    ui.enter("7.5", "%2 %1", "abc", "20");
    printed = printSummary(window, QPageLayout::Portrait);
    data.clear();
    for (int i = 8; i < printed.lines.size(); ++i)
        data << printed.lines.at(i).text;
    QCOMPARE(data, QStringList({"Orchard Size (Acres): 7.5", "Dispensers Per Acre: %2 %1",
                                "Tree Spacing Within Rows (ft): abc",
                                "Tree Spacing Between Rows (ft): 20", "Trees Per Acre: 109",
                                "Dispensers Per Tree: 4 ties first row/ 3 ties 2nd row",
                                "Calculated Dispensers Per Acre Needed: 382",
                                "Total Quantity of Dispensers Required: 4584"}));
}

void TestSummaryPage::previewOpensModalOnOnePageAndChangesNothing()
{
    Pelmora window;
    WindowDriver ui(window);
    ui.enter("12", "400", "10", "20");
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    const QStringList inputs = {ui.name->text(), ui.size->text(), ui.dispensers->text(),
                                ui.within->text(), ui.between->text()};
    const QStringList results = ui.results();

    bool preview = false;
    QWidget *parent = nullptr;
    int pages = -1;
    ModalCloser closer([&](QWidget *modal) {
        preview = qobject_cast<QPrintPreviewDialog *>(modal) && modal->isModal();
        parent = modal->parentWidget();
        if (auto *view = modal->findChild<QPrintPreviewWidget *>())
            pages = view->pageCount();
    });
    QTest::mouseClick(ui.preview, Qt::LeftButton);

    QCOMPARE(closer.seen, 1);
    QVERIFY(preview);
    QCOMPARE(parent, &window);
    QCOMPARE(pages, 1);
    QCOMPARE(QStringList({ui.name->text(), ui.size->text(), ui.dispensers->text(),
                          ui.within->text(), ui.between->text()}),
             inputs);
    QCOMPARE(ui.results(), results);
}

// The way the README tells a grower without a printer to keep the summary: the preview's print
// button, then "Print to File (PDF)" in the print dialog.
void TestSummaryPage::previewSavesPdfWhenNoPrinterIsSetUp()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is set up on this machine");
    Pelmora window;
    WindowDriver ui(window);
    ui.enter("12", "400", "10", "20");
    QTest::mouseClick(ui.calculate, Qt::LeftButton);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("North Block.pdf");
    bool printTriggered = false;
    QStringList destinations;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal)) {
            if (printTriggered)
                return;
            printTriggered = true;
            const auto actions = preview->findChildren<QAction *>();
            for (QAction *action : actions) {
                if (action->text() == QLatin1String("Print"))
                    QTimer::singleShot(0, action, &QAction::trigger);
            }
        } else if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            auto *printers = dialog->findChild<QComboBox *>("printers");
            auto *fileName = dialog->findChild<QLineEdit *>("filename");
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            if (!printers || !fileName || !buttons) {
                dialog->reject();
                return;
            }
            for (int i = 0; i < printers->count(); ++i)
                destinations << printers->itemText(i);
            printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
            fileName->setText(pdf);
            buttons->button(QDialogButtonBox::Ok)->click();
        } else if (modal) {
            modal->close();
        }
    });
    poll.start(10);
    QTest::mouseClick(ui.preview, Qt::LeftButton);
    poll.stop();

    QVERIFY(printTriggered);
    QVERIFY2(destinations.contains("Print to File (PDF)"), qPrintable(destinations.join(", ")));
    QVERIFY2(QFileInfo::exists(pdf), "no PDF was written");
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(text.contains("Distribution of Dispensers"));
    QVERIFY(text.contains("Total Quantity of Dispensers Required: 5232"));
    QCOMPARE(text.count(QChar('\f')), 1); // one page
}

QTEST_MAIN(TestSummaryPage)
#include "tst_summarypage.moc"
