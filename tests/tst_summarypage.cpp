// The printed summary, checked on real output: the page is painted into a PDF through a real
// QPrinter and read back with poppler's pdftotext (texts and boxes of the lines as printed).

#include "summarypage.h"
#include "supplier.h"

#include <QPrinter>
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

// Paints the page into a PDF and reads back the lines of every page.
QList<PrintedLine> print(const SummaryTexts &texts, QPrinter &printer)
{
    QTemporaryDir dir;
    printer.setOutputFileName(dir.filePath("summary.pdf"));
    PaintSummaryPage(&printer, texts);
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
    QList<PrintedLine> printed[2]; // portrait, landscape
    qreal drawingWidth[2];         // the page rectangle's width less the left margin of 60
};

// Markers in the texts must print literally, and a result not yet calculated as its label.
void TestSummaryPage::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QFAIL("pdftotext is missing: make test installs poppler-utils");
    const SummaryTexts texts = {"North %1 Block", "12", "%2 %1", "10", "20", "218", "2", "436",
                                ""};
    for (int landscape : {0, 1}) {
        QPrinter printer;
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printed[landscape] = print(texts, printer);
        drawingWidth[landscape] = printer.pageRect(QPrinter::DevicePixel).toRect().width() - 60.0;
    }
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
    QTest::newRow("9 size") << 8 << "Orchard Size (Acres): 12" << 280 << 16 << false;
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

// Landscape widens the lines; tops, fonts and texts stay.
void TestSummaryPage::printsSixteenLinesInPlace()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, pointSize);
    QFETCH(bool, centred);

    for (int landscape : {0, 1}) {
        QCOMPARE(printed[landscape].size(), 16); // one page, nothing more
        const PrintedLine &printedLine = printed[landscape].at(line);
        QCOMPARE(printedLine.text, text);
        QVERIFY2(qAbs(printedLine.box.top() - top) < 1.5,
                 qPrintable(QString("top %1").arg(printedLine.box.top())));
        const qreal expectedX = centred ? 60 + drawingWidth[landscape] / 2 : 60;
        const qreal x = centred ? printedLine.box.center().x() : printedLine.box.left();
        QVERIFY2(qAbs(x - expectedX) < 1.5, qPrintable(QString("x %1").arg(x)));
        // Heights scale with the point size; the 12-point street line is the yardstick.
        const qreal size = 12 * printedLine.box.height() / printed[landscape].at(2).box.height();
        QVERIFY2(qAbs(size - pointSize) < pointSize * 0.03, qPrintable(QString::number(size)));
    }
}

QTEST_MAIN(TestSummaryPage)
#include "tst_summarypage.moc"
