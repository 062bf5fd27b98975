// Feeds arbitrary bytes, split at newlines into the five field texts (the name first, which
// "Calculate" does not read), through the same function the window calls, and stops at the
// first result the rules can never give.

#include "placement.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>

// Stops the run at the first broken rule, with the input that broke it.
#define REQUIRE(rule)                                                                   \
    if (!(rule)) {                                                                      \
        std::fprintf(stderr, "broken: %s for %s\n", #rule, qPrintable(in.join(" | "))); \
        std::abort();                                                                   \
    }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As the window writes numbers, and every pattern the rules know.
    static const QRegularExpression knownPattern(
        QString("^(%1|%1 ties first row/ %1 ties 2nd row|1 tie every %1th tree|1 tie every tree/ "
                "(every 3rd tree 2 ties|1 tie every other tree|skip every 3rd tree) in 2nd row"
                "|1 tie every other tree|1 tie every 2nd tree/ 1 tie every 3rd tree in 2nd Row"
                "|1 tie every 3rd tree)$")
            .arg("([0-9]+|[0-9](\\.[0-9]+)?e\\+[0-9]+)"));
    QStringList in = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size))
                         .split(QLatin1Char('\n'));
    in += QStringList{"", "", "", "", ""}; // fields the input does not reach stay empty
    const Calculation run = Calculate({in[1], in[2], in[3], in[4]}, {"t", "p", "n", "q"});
    const PlacementResults &after = run.shown;

    // A refusal keeps the pattern, the count and the total.
    if (run.invalidInput) {
        REQUIRE(after.dispensersPerTree + after.perAcreNeeded + after.totalQuantity == "pnq");
        return 0;
    }
    const double trees = after.treesPerAcre.toDouble();
    REQUIRE(trees >= 1 && trees == std::floor(trees));
    REQUIRE(knownPattern.match(after.dispensersPerTree).hasMatch());

    // At least one dispenser per acre, within a factor of two of the request.
    bool ok = false;
    const quint64 needed = after.perAcreNeeded.toULongLong(&ok);
    const double ratio = double(needed) / std::trunc(in[2].toDouble());
    REQUIRE(ok && needed >= 1 && ratio >= 0.5 && ratio <= 2.0);

    const qulonglong acres = in[1].trimmed().toULongLong(&ok, 10);
    const unsigned __int128 exact = static_cast<unsigned __int128>(acres) * needed;
    const bool refused = !ok || acres > 4294967295ull || exact > ~quint64(0);
    REQUIRE(after.totalQuantity == (refused ? QString() : QString::number(quint64(exact))));
    return 0;
}
