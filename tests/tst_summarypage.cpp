// The printed summary, checked on real output: the page is painted into a PDF through a real
// QPrinter and read back with poppler's pdftotext (texts and boxes of the lines as printed).
// Once straight from the nine texts, upright, and once through the window: typed, calculated,
// then printed across from its preview.

#include "pelmora.h"
#include "summarypage.h"
#include "supplier.h"

#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct PrintedLine
{
    QString text;
    QRectF box; // in the printer's device units, from the top-left of its printable area
};

// Reads back the lines of every page the printer wrote, and the width of the page rectangle
// less the left margin of 60.
QList<PrintedLine> readBack(const QPrinter &printer, qreal *drawingWidth)
{
    *drawingWidth = printer.pageRect(QPrinter::DevicePixel).toRect().width() - 60.0;
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox-layout", printer.outputFileName(), "-"});
    pdftotext.waitForFinished(30000);

    const qreal scale = printer.resolution() / 72.0; // PDF points to device units
    const QPointF origin = printer.pageRect(QPrinter::DevicePixel).topLeft();
    QXmlStreamReader xml(pdftotext.readAllStandardOutput());
    auto at = [&](const char *name) { return xml.attributes().value(name).toDouble() * scale; };
    QList<PrintedLine> lines;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("line")) {
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            lines.append({QString(), box.translated(-origin)});
        } else if (xml.name() == QLatin1String("word")) {
            QString &text = lines.last().text;
            text += (text.isEmpty() ? "" : " ") + xml.readElementText();
        }
    }
    return lines;
}

} // namespace

class TestSummaryPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void printsSixteenLinesInPlace_data();
    void printsSixteenLinesInPlace();

private:
    QList<PrintedLine> printed[2]; // upright from the texts, across from the window's preview
    qreal drawingWidth[2];
};

// Markers in the texts must print literally, and a total not written as its label alone.
void TestSummaryPage::initTestCase()
{
    QTemporaryDir dir;
    const SummaryTexts texts = {"North %1 Block", "12.5", "%2 %1", "10", "20", "218", "2",
                                "436", ""};
    QPrinter printer;
    printer.setOutputFileName(dir.filePath("summary.pdf"));
    PaintSummaryPage(&printer, texts);
    printed[0] = readBack(printer, &drawingWidth[0]);

    // The window: 12.5 acres leave the total empty; the dispensers are edited afterwards.
    Pelmora window;
    const QList<QLineEdit *> edits = window.findChildren<QLineEdit *>(); // in screen order
    const QStringList typed = {"North %1 Block", "12.5", "400", "10", "20"};
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(typed[i]);
    window.findChildren<QPushButton *>().at(0)->click(); // Calculate
    edits[2]->setText("%2 %1");
    QTimer poll; // prints from the preview once it is up, modal over the window, then closes it
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (preview && preview->parentWidget() == &window) {
            auto *view = preview->findChild<QPrintPreviewWidget *>();
            view->setLandscapeOrientation(); // as its toolbar button does
            preview->printer()->setOutputFileName(dir.filePath("preview.pdf"));
            view->print();
            printed[1] = readBack(*preview->printer(), &drawingWidth[1]);
            preview->close();
        }
    });
    poll.start(10);
    window.findChildren<QPushButton *>().at(1)->click(); // Print Preview
    QVERIFY(drawingWidth[1] > drawingWidth[0]);
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
    QTest::newRow("9 size") << 8 << "Orchard Size (Acres): 12.5" << 280 << 16 << false;
    QTest::newRow("10 dispensers") << 9 << "Dispensers Per Acre: %2 %1" << 305 << 16 << false;
    QTest::newRow("11 within") << 10 << "Tree Spacing Within Rows (ft): 10" << 330 << 16 << false;
    QTest::newRow("12 between") << 11 << "Tree Spacing Between Rows (ft): 20" << 355 << 16 << false;
    QTest::newRow("13 trees") << 12 << "Trees Per Acre: 218" << 380 << 16 << false;
    QTest::newRow("14 pattern") << 13 << "Dispensers Per Tree: 2" << 405 << 16 << false;
    QTest::newRow("15 needed") << 14 << "Calculated Dispensers Per Acre Needed: 436" << 430 << 16
                               << false;
    QTest::newRow("16 total, empty") << 15 << "Total Quantity of Dispensers Required:" << 455 << 16
                                     << false;
}

// Across the page the lines are wider; tops, fonts and texts stay.
void TestSummaryPage::printsSixteenLinesInPlace()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, pointSize);
    QFETCH(bool, centred);

    for (int source : {0, 1}) {
        QCOMPARE(printed[source].size(), 16); // one page, nothing more
        const PrintedLine &printedLine = printed[source].at(line);
        QCOMPARE(printedLine.text, text);
        // Within 0.6 units, where Qt 5 sets text up to a unit lower than Qt 6; heights scale
        // with the point size, the 12-point street line being the yardstick.
        const qreal lower = QT_VERSION < QT_VERSION_CHECK(6, 0, 0) ? 0.75 : 0;
        const qreal x = centred ? printedLine.box.center().x() : printedLine.box.left();
        const qreal size = 12 * printedLine.box.height() / printed[source].at(2).box.height();
        const QPointF off(x - (centred ? 60 + drawingWidth[source] / 2 : 60),
                          printedLine.box.top() - top - lower);
        QVERIFY2(qAbs(off.x()) < 0.6 && qAbs(off.y()) < 0.6 && qAbs(size - pointSize) < 0.5,
                 qPrintable(QString("off by %1, %2; %3 pt").arg(off.x()).arg(off.y()).arg(size)));
    }
}

QTEST_MAIN(TestSummaryPage)
#include "tst_summarypage.moc"
