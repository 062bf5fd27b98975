#include "summarypage.h"
#include "supplier.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// Every text on the page belongs to the window's translation context.
QString tr(const char *sourceText)
{
    return QCoreApplication::translate("Pelmora", sourceText);
}

// Device units of the printer (96 an inch once prepared), from the top-left of its printable
// area.
constexpr int unitsPerInch = 96;
constexpr qreal pageLeft = 60.0;
constexpr qreal firstLineTop = 40.0;
constexpr qreal lineHeight = 50.0;

constexpr int centred = Qt::AlignHCenter;
constexpr int leftAligned = Qt::AlignLeft;
constexpr int keepFont = 0;

struct PageLine
{
    qreal step;    // down from the line before
    int pointSize; // Arial at this size from here on, or keepFont
    int flags;
    QString text;
};

} // namespace

void PaintSummaryPage(QPrinter *printer, const SummaryTexts &texts)
{
    const PageLine lines[] = {
        {0, 30, centred, tr("Distribution of Dispensers")},
        {50, 16, centred, tr(Supplier::providedBy)},
        {25, 12, centred, tr(Supplier::street)},
        {20, keepFont, centred, tr(Supplier::cityStateZip)},
        {20, keepFont, centred, tr(Supplier::telephone)},
        {20, keepFont, centred, tr(Supplier::tollFree)},
        {20, keepFont, centred, tr(Supplier::fax)},
        {60, 16, leftAligned, tr("Ochard Name: %1").arg(texts.orchardName)},
        {25, keepFont, leftAligned, tr("Orchard Size (Acres): %1").arg(texts.orchardSize)},
        {25, keepFont, leftAligned, tr("Dispensers Per Acre: %1").arg(texts.dispensersPerAcre)},
        {25, keepFont, leftAligned,
         tr("Tree Spacing Within Rows (ft): %1").arg(texts.withinRowSpacing)},
        {25, keepFont, leftAligned,
         tr("Tree Spacing Between Rows (ft): %1").arg(texts.betweenRowSpacing)},
        {25, keepFont, leftAligned, tr("Trees Per Acre: %1").arg(texts.treesPerAcre)},
        {25, keepFont, leftAligned, tr("Dispensers Per Tree: %1").arg(texts.dispensersPerTree)},
        {25, keepFont, leftAligned,
         tr("Calculated Dispensers Per Acre Needed: %1").arg(texts.perAcreNeeded)},
        {25, keepFont, leftAligned,
         tr("Total Quantity of Dispensers Required: %1").arg(texts.totalQuantity)},
    };

    QPainter painter(printer);
    // Taken afresh on every call, so a landscape page gets wider lines. The rectangle reaches
    // the page's right edge: centred lines sit 30 units right of the page's centre.
    const QRect page = printer->pageRect(QPrinter::DevicePixel).toRect();
    QRectF rect(pageLeft, firstLineTop, page.width() - pageLeft, lineHeight);
    for (const PageLine &line : lines) {
        rect.moveTop(rect.top() + line.step);
        if (line.pointSize != keepFont) {
            QFont font(QStringLiteral("Arial"), line.pointSize);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
            // Qt 5 on a scaled Windows display hands the printer outlines, which a PDF cannot
            // search, unless the font is fully hinted; Qt 6 needs no help, and would move lines.
            font.setHintingPreference(QFont::PreferFullHinting);
#endif
            painter.setFont(font);
        }
        painter.drawText(rect, line.flags, line.text);
    }
    painter.end();
}

void PrepareSummaryPrinter(QPrinter *printer)
{
    // A printer left at screen resolution takes the screen's DPI: at 192 the lines overlap.
    printer->setResolution(unitsPerInch);
    const QPageSize queuePaper = QPrinterInfo(*printer).defaultPageSize();
    if (queuePaper.isValid())
        printer->setPageSize(queuePaper);
}
