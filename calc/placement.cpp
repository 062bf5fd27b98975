#include "placement.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace {

// The pattern texts belong to the window's translation context, like every text it shows.
QString tr(const char *sourceText)
{
    return QCoreApplication::translate("Pelmora", sourceText);
}

// Bounds on the fractional part of the dispensers per tree; each test is as strict as the
// pattern it guards needs.
constexpr double splitRowsAbove = 0.4;  // 2/5
constexpr double splitRowsBelow = 0.7;  // 7/10
constexpr double extraThirdAbove = 0.2; // 1/5
constexpr double everyTreeAbove = 0.87; // 87/100
constexpr double alternateSecondRowAbove = 0.7;
constexpr double skipThirdAbove = 0.58;  // 29/50
constexpr double everyOtherAbove = 0.42; // 21/50
constexpr double secondThirdAbove = 0.4;
constexpr double everyThirdInterval = 3;

// Dispensers per tree that each mixed pattern really hangs, averaged over both rows.
constexpr double extraThirdShare = 1.3377483443708609;         // 202/151
constexpr double alternateSecondRowShare = 0.7486725663716814; // 423/565
constexpr double skipThirdShare = 0.6672025723472669;          // 415/622
constexpr double everyOtherShare = 0.5;
constexpr double secondThirdShare = 0.41632231404958675; // 403/968

// Drops the fraction of a count, which is never negative here. Counts beyond 64 bits (only
// for requests near 2^64, which the window refuses) give the largest count rather than an
// undefined conversion.
quint64 ToCount(double value)
{
    constexpr double twoToThe64 = 18446744073709551616.0;
    return value < twoToThe64 ? static_cast<quint64>(value) : std::numeric_limits<quint64>::max();
}

QString WithNumber(const QString &text, double value)
{
    return text.arg(value, 0, 'g', -1, QChar(' '));
}

// Feet, or 0 for a text that is not a finite number: refused like any spacing without area.
float ParseSpacing(const QString &text)
{
    bool ok = false;
    const float feet = text.toFloat(&ok);
    return ok && std::isfinite(feet) ? feet : 0;
}

QString DecimalText(double value)
{
    return WithNumber(tr("%1"), value);
}

QString CountText(quint64 count)
{
    return tr("%1").arg(count, 0, 10, QChar(' '));
}

double TreesPerAcre(const QString &withinRows, const QString &betweenRows)
{
    // Exact in double: two single-precision factors never lose a digit here.
    const double squareFeetPerTree =
        static_cast<double>(ParseSpacing(withinRows)) * ParseSpacing(betweenRows);
    if (squareFeetPerTree <= 0)
        return 0;
    return RoundHalfUp(squareFeetPerAcre / squareFeetPerTree);
}

bool ParseDispensersPerAcre(const QString &text, quint64 *dispensersPerAcre)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // Written so that "nan" and "inf", which the conversion accepts, fail too.
    if (!ok || !(value >= 1.0 && value <= largestExactDispensersPerAcre))
        return false;
    *dispensersPerAcre = static_cast<quint64>(value);
    return true;
}

bool TotalQuantity(const QString &acres, quint64 perAcreNeeded, quint64 *total)
{
    bool ok = false;
    // Trimmed first: Qt 6's integer conversion refuses a no-break space (pasted from a web
    // page or a spreadsheet) that its floating-point conversions, and Qt 5's, pass over.
    const uint wholeAcres = acres.trimmed().toUInt(&ok, 10);
    if (!ok)
        return false;
    if (perAcreNeeded != 0 && wholeAcres > std::numeric_limits<quint64>::max() / perAcreNeeded)
        return false;
    *total = wholeAcres * perAcreNeeded;
    return true;
}

} // namespace

double RoundHalfUp(double value)
{
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    return fraction >= 0.5f ? whole + 1 : whole;
}

QString TiePattern(quint64 dispensersPerAcre, double treesPerAcre, quint64 &perAcreNeeded)
{
    perAcreNeeded = 0;
    if (dispensersPerAcre == 0 || !std::isfinite(treesPerAcre) || treesPerAcre < 1)
        return QString();

    const double trees = treesPerAcre;
    const double perTree = static_cast<double>(dispensersPerAcre) / trees;
    double whole = 0;
    const double fraction = std::modf(perTree, &whole);

    if (whole > 0) {
        if (fraction > splitRowsAbove && fraction < splitRowsBelow) {
            perAcreNeeded = ToCount(RoundHalfUp((whole + 0.5) * trees));
            return WithNumber(WithNumber(tr("%1 ties first row/ %2 ties 2nd row"), whole + 1),
                              whole);
        }
        if (whole == 1 && fraction > extraThirdAbove && fraction < splitRowsAbove) {
            perAcreNeeded = ToCount(RoundHalfUp(trees * extraThirdShare));
            return tr("1 tie every tree/ every 3rd tree 2 ties in 2nd row");
        }
        const double ties = RoundHalfUp(perTree);
        perAcreNeeded = ToCount(trees * ties);
        return WithNumber(tr("%1"), ties);
    }

    if (fraction > everyTreeAbove) {
        perAcreNeeded = ToCount(trees);
        return tr("1");
    }
    if (fraction > alternateSecondRowAbove) {
        perAcreNeeded = ToCount(RoundHalfUp(trees * alternateSecondRowShare));
        return tr("1 tie every tree/ 1 tie every other tree in 2nd row");
    }
    if (fraction > skipThirdAbove) {
        perAcreNeeded = ToCount(RoundHalfUp(trees * skipThirdShare));
        return tr("1 tie every tree/ skip every 3rd tree in 2nd row");
    }
    if (fraction > everyOtherAbove) {
        perAcreNeeded = ToCount(RoundHalfUp(trees * everyOtherShare));
        return tr("1 tie every other tree");
    }
    if (fraction > secondThirdAbove) {
        // The one count that is cut, not rounded.
        perAcreNeeded = ToCount(trees * secondThirdShare);
        return tr("1 tie every 2nd tree/ 1 tie every 3rd tree in 2nd Row");
    }

    const double interval = RoundHalfUp(1 / fraction);
    perAcreNeeded = ToCount(RoundHalfUp(trees / interval));
    if (interval == everyThirdInterval)
        return tr("1 tie every 3rd tree");
    return WithNumber(tr("1 tie every %1th tree"), interval);
}

Calculation Calculate(const PlacementInputs &typed, const PlacementResults &shown)
{
    Calculation run{shown, true};
    const double trees = TreesPerAcre(typed.withinRowSpacing, typed.betweenRowSpacing);
    if (trees == 0)
        return run;
    run.shown.treesPerAcre = DecimalText(trees);

    quint64 dispensersPerAcre = 0;
    if (!ParseDispensersPerAcre(typed.dispensersPerAcre, &dispensersPerAcre))
        return run;
    run.invalidInput = false;

    quint64 perAcreNeeded = 0;
    run.shown.dispensersPerTree = TiePattern(dispensersPerAcre, trees, perAcreNeeded);
    run.shown.perAcreNeeded = CountText(perAcreNeeded);
    quint64 total = 0;
    run.shown.totalQuantity =
        TotalQuantity(typed.orchardSize, perAcreNeeded, &total) ? CountText(total) : QString();
    return run;
}
