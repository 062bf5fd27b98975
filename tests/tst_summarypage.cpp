// The printed summary as a grower prints it: typed, calculated, edited, then printed from the
// window's preview through its print dialog to a real print queue (scripts/with-cupsd starts
// one), and read back with poppler's pdftotext (scripts/read-back), in points on the paper. On
// Windows, under Wine, the queue is a Windows printer.

#include "displayscale.h"
#include "pelmora.h"
#include "supplier.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

constexpr qreal pointsPerUnit = 72.0 / 96.0;     // the page is laid out in 1/96 inch
constexpr qreal arialLineHeight = 0.905 + 0.212; // ascent and descent, per point of size

// Windows' print dialog is native, with no buttons of Qt's to press; Windows prints in the
// printer's own pixels (300 an inch through Wine's driver) and sizes fonts in whole pixels
// (16 pt comes out as 15.84 pt).
bool OnWindows()
{
    return QGuiApplication::platformName() == QLatin1String("windows");
}

struct Printout
{
    QSizeF paper;           // in points
    QPointF origin;         // the printable area's top-left on the paper, in points
    qreal drawingWidth = 0; // the page rectangle's width less the left margin of 60, in units
    QList<QSizeF> pages;    // read back, in points
    QList<QRectF> boxes;    // read back, in points from the origin
    QStringList lines;
};

// Reads back the pages of the printed PDF and their lines, with boxes in points, from
// pdftotext's layout of it.
void ReadBack(const QByteArray &layout, Printout *printout)
{
    QXmlStreamReader xml(layout);
    auto at = [&](const char *name) { return xml.attributes().value(name).toDouble(); };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("page")) {
            printout->pages << QSizeF(at("width"), at("height"));
        } else if (xml.name() == QLatin1String("line")) {
            const QRectF box(QPointF(at("xMin"), at("yMin")), QPointF(at("xMax"), at("yMax")));
            printout->boxes << box.translated(-printout->origin);
            printout->lines << QString();
        } else if (xml.name() == QLatin1String("word")) {
            QString &text = printout->lines.last();
            text += (text.isEmpty() ? "" : " ") + xml.readElementText();
        }
    }
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
    Printout printed;
};

// Markers in the texts must print literally, and 12.5 acres leave the total empty.
void TestSummaryPage::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("PELMORA_READ_BACK"))
        QSKIP("no print queue: run through scripts/with-cupsd and scripts/read-back");
    Pelmora window;
    const QList<QLineEdit *> edits = window.findChildren<QLineEdit *>(); // in screen order
    const QStringList typed = {"North %1 Block", "12.5", "400", "10", "20"};
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(typed[i]);
    window.findChildren<QPushButton *>().at(1)->click(); // Calculate, right of Print Preview
    edits[2]->setText("%2 %1");
    // Once the preview is up over the window: its print button, then the dialog's Print.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal)) {
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        } else if (auto *preview = qobject_cast<QPrintPreviewDialog *>(modal);
                   preview && preview->parentWidget() == &window && printed.paper.isEmpty()) {
            const QPageLayout layout = preview->printer()->pageLayout();
            printed.paper = layout.fullRect(QPageLayout::Point).size();
            printed.origin = layout.paintRect(QPageLayout::Point).topLeft();
            printed.drawingWidth =
                preview->printer()->pageRect(QPrinter::DevicePixel).toRect().width() - 60.0;
            if (OnWindows()) { // print as accepting the native dialog would
                preview->findChild<QPrintPreviewWidget *>()->print();
                QTimer::singleShot(0, preview, &QDialog::accept);
                return;
            }
            for (QAction *action : preview->findChildren<QAction *>()) {
                if (action->text() == QLatin1String("Print"))
                    QTimer::singleShot(0, action, &QAction::trigger);
            }
        }
    });
    poll.start(10);
    window.findChildren<QPushButton *>().at(0)->click(); // Print Preview
    poll.stop();
    // Once the queue has printed the job, scripts/read-back lays the page out beside the test.
    QFile laidOut(qEnvironmentVariable("PELMORA_READ_BACK"));
    QVERIFY(QTest::qWaitFor([&] { return laidOut.exists(); }, 60000));
    QVERIFY(laidOut.open(QIODevice::ReadOnly));
    ReadBack(laidOut.readAll(), &printed); // one sheet, of the size the preview showed
    QCOMPARE(printed.pages.size(), 1);
    QCOMPARE(printed.pages[0].toSize(), printed.paper.toSize());
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
    // The supplier's address centred, 20 units apart; the orchard at the left, 25 apart.
    const QStringList address = {Supplier::street, Supplier::cityStateZip, Supplier::telephone,
                                 Supplier::tollFree, Supplier::fax};
    for (int i = 0; i < address.size(); ++i)
        QTest::addRow("%d address", i + 3) << i + 2 << address[i] << 115 + 20 * i << 12 << true;
    const QStringList orchard =
        QString("Ochard Name: North %1 Block|Orchard Size (Acres): 12.5|"
                "Dispensers Per Acre: %2 %1|Tree Spacing Within Rows (ft): 10|"
                "Tree Spacing Between Rows (ft): 20|Trees Per Acre: 218|Dispensers Per Tree: 2|"
                "Calculated Dispensers Per Acre Needed: 436|"
                "Total Quantity of Dispensers Required:")
            .split('|'); // the total empty
    for (int i = 0; i < orchard.size(); ++i)
        QTest::addRow("%d orchard", i + 8) << i + 7 << orchard[i] << 255 + 25 * i << 16 << false;
}

void TestSummaryPage::printsSixteenLinesInPlace()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, top);
    QFETCH(int, pointSize);
    QFETCH(bool, centred);

    QCOMPARE(printed.lines.size(), 16); // nothing more
    QCOMPARE(printed.lines[line], text);
    const QRectF box = printed.boxes[line];
    // Heights scale with the point size, the 12-point street line being the yardstick. Qt's PDF
    // writer records the font's own ascent, so a line's top is where it was drawn; behind Wine's
    // PostScript driver Ghostscript records a smaller one, so there the top comes from the foot.
    // Qt 5 sets text a little lower than Qt 6 on Linux. Tops within 0.25 pt keep every distance
    // within 0.5 pt; on Windows within 0.5 and 1.
    const qreal left = 60 + (centred ? printed.drawingWidth / 2 : 0);
    const qreal x = centred ? box.center().x() : box.left();
    const qreal y = OnWindows() ? box.bottom() - arialLineHeight * pointSize : box.top();
    const qreal size = 12 * box.height() / printed.boxes[2].height();
    const qreal lower = QT_VERSION < QT_VERSION_CHECK(6, 0, 0) && !OnWindows() ? 0.55 : 0;
    const QPointF tolerance = OnWindows() ? QPointF(0.6, 0.5) : QPointF(0.45, 0.25);
    const QPointF off(x - left * pointsPerUnit, y - top * pointsPerUnit - lower);
    QVERIFY2(qAbs(off.x()) < tolerance.x() && qAbs(off.y()) < tolerance.y()
                 && qAbs(size - pointSize) < 0.5,
             qPrintable(QString("off by %1, %2 pt; %3 pt").arg(off.x()).arg(off.y()).arg(size)));
}

// Not QTEST_MAIN: it pins the application to 96 DPI, which would hide what the screen's DPI
// does to a printer. The display is scaled as the program scales it.
int main(int argc, char *argv[])
{
    EnableDisplayScaling();
    QApplication app(argc, argv);
    TestSummaryPage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_summarypage.moc"
