// Feeds arbitrary bytes, split at newlines into the five field texts, through the parsing and
// arithmetic behind "Calculate", in the order the window applies them, and stops at the first
// result the rules can never give.

#include "placement.h"

#include <QRegularExpression>
#include <QString>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *what, const QString &detail = QString())
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s %s\n", what, qPrintable(detail));
        std::abort();
    }
}

bool isKnownPattern(const QString &text)
{
    static const QString number = QStringLiteral("([0-9]+|[0-9](\\.[0-9]+)?e\\+[0-9]+)");
    static const QRegularExpression forms[] = {
        QRegularExpression("^" + number + "$"),
        QRegularExpression("^" + number + " ties first row/ " + number + " ties 2nd row$"),
        QRegularExpression("^1 tie every " + number + "th tree$"),
        QRegularExpression("^(1 tie every tree/ every 3rd tree 2 ties in 2nd row"
                           "|1 tie every tree/ 1 tie every other tree in 2nd row"
                           "|1 tie every tree/ skip every 3rd tree in 2nd row"
                           "|1 tie every other tree"
                           "|1 tie every 2nd tree/ 1 tie every 3rd tree in 2nd Row"
                           "|1 tie every 3rd tree)$"),
    };
    for (const QRegularExpression &form : forms) {
        if (form.match(text).hasMatch())
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList fields = QString::fromUtf8(reinterpret_cast<const char *>(data),
                                                 static_cast<int>(size))
                                   .split(QLatin1Char('\n'));
    auto field = [&](int i) { return i < fields.size() ? fields.at(i) : QString(); };
    // The orchard name is only printed, so it is not read here.
    const QString acres = field(1), dispensers = field(2), within = field(3), between = field(4);

    const double trees = TreesPerAcreForSpacing(within, between);
    if (trees == 0)
        return 0; // refused spacing: the window writes nothing
    require(std::isfinite(trees) && trees >= 1 && trees == std::floor(trees),
            "trees per acre is a whole number of at least 1", DecimalText(trees));

    quint64 perAcre = 0;
    if (!ParseDispensersPerAcre(dispensers, &perAcre))
        return 0;
    require(perAcre >= 1 && perAcre <= largestExactDispensersPerAcre,
            "dispensers per acre from 1 to 2^53");

    quint64 needed = 0;
    const QString pattern = TiePattern(perAcre, trees, needed);
    require(isKnownPattern(pattern), "known pattern", pattern);
    require(needed >= 1, "at least one dispenser per acre needed");
    const bool oneTie = pattern == QLatin1String("1");
    const double ratio = static_cast<double>(needed) / static_cast<double>(perAcre);
    require(oneTie ? needed == static_cast<quint64>(trees) : (ratio >= 0.5 && ratio <= 2.0),
            "needed within a factor of two of the request",
            QString("%1 for %2 at %3 trees").arg(needed).arg(perAcre).arg(trees));

    quint64 total = 0;
    if (TotalQuantity(acres, needed, &total)) {
        bool ok = false;
        const qulonglong wholeAcres = acres.trimmed().toULongLong(&ok, 10);
        require(ok && wholeAcres <= 4294967295ull, "total only for a 32-bit whole acreage");
        const unsigned __int128 exact = static_cast<unsigned __int128>(wholeAcres) * needed;
        require(exact == total, "total is acres times the dispensers per acre needed");
    }
    return 0;
}
