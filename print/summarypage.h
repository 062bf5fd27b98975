#ifndef SUMMARYPAGE_H
#define SUMMARYPAGE_H

// The one-page summary: the supplier's block, then the orchard's inputs and results exactly as
// the window holds them; nothing is recalculated for the page.

#include <QString>

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

struct SummaryTexts
{
    QString orchardName;
    QString orchardSize;
    QString dispensersPerAcre;
    QString withinRowSpacing;
    QString betweenRowSpacing;
    QString treesPerAcre;
    QString dispensersPerTree;
    QString perAcreNeeded;
    QString totalQuantity;
};

// Paints the sixteen lines on one page of printer, in its device units.
void PaintSummaryPage(QPrinter *printer, const SummaryTexts &texts);

// Readies a preview's printer before it shows the page: 96 units an inch, so that no screen
// setting changes what prints, and the paper its queue prints on, so that the preview shows
// the sheet that comes out.
void PrepareSummaryPrinter(QPrinter *printer);

#endif // SUMMARYPAGE_H
