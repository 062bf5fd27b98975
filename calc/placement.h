#ifndef PLACEMENT_H
#define PLACEMENT_H

// The arithmetic behind "Calculate", free of any widget so that the window, the tests, the
// fuzzer and the benchmark share one copy of it. Needs only Qt Core.

#include <QString>
#include <QtGlobal>

// An acre in square feet, exact in single precision as the spacings are.
constexpr float squareFeetPerAcre = 43560.0f;

// 2^53, where doubles stop holding every whole number: a larger dispensers per acre may have
// been rounded as it was read, so it is refused ("9007199254740993" reads as 2^53, which is
// accepted). The counts the tie pattern derives are computed in double precision and can pass
// 2^53, where only even numbers are held: at 2^53 per acre and trees 60 x 66 ft apart the count
// ends in ...996 where exact arithmetic gives ...995. They always fit in 64 bits.
constexpr double largestExactDispensersPerAcre = 9007199254740992.0; // 2^53

// The field texts that "Calculate" reads; the orchard name is only printed.
struct PlacementInputs
{
    QString orchardSize;
    QString dispensersPerAcre;
    QString withinRowSpacing;
    QString betweenRowSpacing;
};

// The texts of the four result labels.
struct PlacementResults
{
    QString treesPerAcre;
    QString dispensersPerTree;
    QString perAcreNeeded;
    QString totalQuantity;
};

struct Calculation
{
    PlacementResults shown; // what the labels show after the run
    bool invalidInput;      // the "Invalid Input" warning is due
};

// One press of "Calculate" on the typed fields, given what the labels show before it.
// A refused spacing changes nothing. A refused dispensers per acre shows only the new trees
// per acre beside the earlier results. A refused orchard size (not a whole number up to
// 4294967295, or a total beyond 64 bits) empties the total, so that no earlier block's total
// stands beside new results. Both refusals of the first kind ask for the warning.
Calculation Calculate(const PlacementInputs &typed, const PlacementResults &shown);

// Whole part, plus one when the fractional part is 0.5 or more. Negative values truncate
// toward zero; no conversion to an integer type takes place.
double RoundHalfUp(double value);

// How many ties go on which trees for the requested dispensers per acre, and in
// perAcreNeeded how many dispensers per acre that pattern really takes (at most the largest
// 64-bit count). Outside its contract (no dispensers, or trees per acre not finite or below 1)
// the text is empty and the count 0.
QString TiePattern(quint64 dispensersPerAcre, double treesPerAcre, quint64 &perAcreNeeded);

#endif // PLACEMENT_H
