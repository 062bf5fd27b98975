#ifndef PLACEMENT_H
#define PLACEMENT_H

// The arithmetic behind "Calculate", free of any widget so that the window, the tests, the
// fuzzer and the benchmark share one copy of it. Needs only Qt Core.

#include <QString>
#include <QtGlobal>

// An acre in square feet, exact in single precision as the spacings are.
constexpr float squareFeetPerAcre = 43560.0f;

// Largest whole number a double holds exactly; dispensers per acre above it are refused so
// that every count the tie pattern derives stays exact and fits in 64 bits.
constexpr double largestExactDispensersPerAcre = 9007199254740992.0; // 2^53

// Whole part, plus one when the fractional part is 0.5 or more. Negative values truncate
// toward zero; no conversion to an integer type takes place.
double RoundHalfUp(double value);

// Trees per acre for the two spacing texts in feet: a whole number of at least 1, or 0 when
// the spacing is refused (not a finite number, a product of 0 or less, or over 87120 sq ft).
// The between-rows text is not looked at when the within-rows text is already refused.
double TreesPerAcreForSpacing(const QString &withinRows, const QString &betweenRows);

// Accepts a finite number from 1 to 2^53 and truncates it toward zero.
bool ParseDispensersPerAcre(const QString &text, quint64 *dispensersPerAcre);

// Acres (a whole number up to 4294967295) times the dispensers per acre needed. Refused, like
// a bad orchard size, when the text is not such a number or the product would not fit.
bool TotalQuantity(const QString &acres, quint64 perAcreNeeded, quint64 *total);

// How many ties go on which trees for the requested dispensers per acre, and in
// perAcreNeeded how many dispensers per acre that pattern really takes. Outside its contract
// (no dispensers, or trees per acre not finite or below 1) the text is empty and the count 0.
QString TiePattern(quint64 dispensersPerAcre, double treesPerAcre, quint64 &perAcreNeeded);

// The window's number texts: six significant digits for a double, plain digits for a count.
QString DecimalText(double value);
QString CountText(quint64 count);

#endif // PLACEMENT_H
