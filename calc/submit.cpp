// The "Calculate" action: reads the fields, applies the rules of placement.h and writes the
// result labels. A label that a run does not reach keeps its earlier text on purpose.

#include "pelmora.h"
#include "placement.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace {

// The one warning box, for a bad spacing and a bad dispensers per acre alike.
void ShowInvalidInput(Pelmora *window)
{
    QMessageBox::warning(window, Pelmora::tr("Invalid Input"),
                         Pelmora::tr("The tree spacing you entered is not valid"),
                         QMessageBox::Ok, QMessageBox::NoButton);
}

} // namespace

void Pelmora::SubmitSlot()
{
    const double treesPerAcre = TreesPerAcre();
    if (treesPerAcre == 0) {
        ShowInvalidInput(this);
        return;
    }
    treesPerAcreLabel->setText(DecimalText(treesPerAcre));

    quint64 dispensersPerAcre = 0;
    if (!ParseDispensersPerAcre(dispensersPerAcreEdit->text(), &dispensersPerAcre)) {
        ShowInvalidInput(this);
        return;
    }

    quint64 perAcreNeeded = 0;
    dispensersPerTreeLabel->setText(TiePattern(dispensersPerAcre, treesPerAcre, perAcreNeeded));
    perAcreNeededLabel->setText(CountText(perAcreNeeded));
    UpdateTotal(perAcreNeeded);
}

double Pelmora::TreesPerAcre() const
{
    return TreesPerAcreForSpacing(withinRowSpacingEdit->text(), betweenRowSpacingEdit->text());
}

void Pelmora::UpdateTotal(quint64 perAcreNeeded)
{
    quint64 total = 0;
    if (TotalQuantity(orchardSizeEdit->text(), perAcreNeeded, &total))
        totalQuantityLabel->setText(CountText(total));
}
