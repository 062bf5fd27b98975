// Feeds arbitrary bytes, split at newlines into the five field texts (the name first, which
// "Calculate" does not read), through the same function the window calls, and stops at the
// first result the rules can never give.

#include "placement.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what, const QStringList &inputs)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s for %s\n", what, qPrintable(inputs.join(" | ")));
        std::abort();
    }
}

const QRegularExpression knownPattern(
    "^(N|N ties first row/ N ties 2nd row|1 tie every Nth tree"
    "|1 tie every tree/ (every 3rd tree 2 ties|1 tie every other tree|skip every 3rd tree) in "
    "2nd row|1 tie every other tree|1 tie every 2nd tree/ 1 tie every 3rd tree in 2nd Row"
    "|1 tie every 3rd tree)$");
const QRegularExpression number("[0-9]+(\\.[0-9]+)?(e\\+[0-9]+)?");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList in = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size))
                         .split(QLatin1Char('\n'));
    while (in.size() < 5)
        in << QString();
    const Calculation run = Calculate({in[1], in[2], in[3], in[4]}, {"t", "p", "n", "q"});
    const PlacementResults &after = run.shown;

    if (run.invalidInput) {
        require(after.dispensersPerTree + after.perAcreNeeded + after.totalQuantity == "pnq",
                "a refusal keeps the pattern, the count and the total", in);
        return 0;
    }
    const double trees = after.treesPerAcre.toDouble();
    require(trees >= 1 && trees == std::floor(trees), "whole trees per acre of at least 1", in);
    QString pattern = after.dispensersPerTree;
    require(knownPattern.match(pattern.replace(number, "N")).hasMatch(), "a known pattern", in);

    bool ok = false;
    const quint64 needed = after.perAcreNeeded.toULongLong(&ok);
    const double ratio = double(needed) / std::trunc(in[2].toDouble());
    require(ok && needed >= 1 && ratio >= 0.5 && ratio <= 2.0,
            "at least one per acre needed, within a factor of two of the request", in);

    const qulonglong acres = in[1].trimmed().toULongLong(&ok, 10);
    const unsigned __int128 exact = static_cast<unsigned __int128>(acres) * needed;
    if (!ok || acres > 4294967295ull || exact > ~quint64(0)) {
        require(after.totalQuantity.isEmpty(), "no total beside a refused acreage", in);
    } else {
        require(after.totalQuantity == QString::number(quint64(exact)),
                "the total is acres times the dispensers per acre needed", in);
    }
    return 0;
}
