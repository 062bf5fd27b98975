// The placement rules without a window: the tie pattern at and beside every bound, and what
// one press of "Calculate" shows for each kind of input.

#include "placement.h"

#include <QtTest>

#include <limits>

namespace {

// What the labels show before each run: 12 acres, 400 per acre, 20 x 20 ft.
const PlacementResults earlier = {"109", "4 ties first row/ 3 ties 2nd row", "382", "4584"};

QStringList Texts(const PlacementResults &r)
{
    return {r.treesPerAcre, r.dispensersPerTree, r.perAcreNeeded, r.totalQuantity};
}

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void tiePatternAtAndBesideEveryBound_data();
    void tiePatternAtAndBesideEveryBound();
    void calculateWritesAndKeepsLabelsPerOutcome_data();
    void calculateWritesAndKeepsLabelsPerOutcome();
};

void TestPlacement::tiePatternAtAndBesideEveryBound_data()
{
    QTest::addColumn<quint64>("dispensers");
    QTest::addColumn<double>("trees");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<quint64>("needed");

    const QString splitRows = "%1 ties first row/ %2 ties 2nd row";
    const QString extraThird = "1 tie every tree/ every 3rd tree 2 ties in 2nd row";
    const QString alternate = "1 tie every tree/ 1 tie every other tree in 2nd row";
    const QString skipThird = "1 tie every tree/ skip every 3rd tree in 2nd row";
    const QString everyOther = "1 tie every other tree";
    const QString secondThird = "1 tie every 2nd tree/ 1 tie every 3rd tree in 2nd Row";

    // A worked example at 400 per acre (20 x 20 ft, row 1, is the window test's first run).
    QTest::newRow("12x12 row 2") << 400ull << 303.0 << extraThird << 405ull;

    // Ratios of 1 or more: at and just inside each bound of the fraction.
    QTest::newRow("1.25 row 2") << 125ull << 100.0 << extraThird << 134ull;
    QTest::newRow("1.4 held below, row 2") << 14ull << 10.0 << extraThird << 13ull;
    QTest::newRow("1.7 row 3") << 17ull << 10.0 << "2" << 20ull;
    QTest::newRow("2.3 row 3") << 23ull << 10.0 << "2" << 20ull;
    QTest::newRow("2.45 row 1") << 245ull << 100.0 << splitRows.arg(3).arg(2) << 250ull;

    // Below 1: each bound belongs to the row under it. 1000 trees put the shares to the test.
    QTest::newRow("0.875 row 4") << 875ull << 1000.0 << "1" << 1000ull;
    QTest::newRow("0.87 row 5") << 87ull << 100.0 << alternate << 75ull;
    QTest::newRow("0.75 row 5") << 750ull << 1000.0 << alternate << 749ull;
    QTest::newRow("0.7 row 6") << 70ull << 100.0 << skipThird << 67ull;
    QTest::newRow("0.585 row 6") << 585ull << 1000.0 << skipThird << 667ull;
    QTest::newRow("0.58 row 7") << 58ull << 100.0 << everyOther << 50ull;
    QTest::newRow("0.425 row 7") << 425ull << 1000.0 << everyOther << 500ull;
    QTest::newRow("0.42 row 8") << 42ull << 100.0 << secondThird << 41ull;
    QTest::newRow("row 8 cuts 407.99") << 400ull << 980.0 << secondThird << 407ull;
    QTest::newRow("0.4 row 9") << 400ull << 1000.0 << "1 tie every 3rd tree" << 333ull;
    QTest::newRow("2/7 row 10") << 2ull << 7.0 << "1 tie every 4th tree" << 2ull;
    QTest::newRow("huge ratio, exact count")
        << 1000000000000000ull << 218.0 << "4.58716e+12" << 1000000000000054ull;

    // Outside the contract: an empty text; a count that 64 bits cannot hold is capped.
    QTest::newRow("no dispensers") << 0ull << 218.0 << "" << 0ull;
    QTest::newRow("below one tree") << 400ull << 0.5 << "" << 0ull;
    QTest::newRow("infinite trees") << 400ull << qInf() << "" << 0ull;
    QTest::newRow("count beyond 64 bits") << std::numeric_limits<quint64>::max() << 1.0
                                          << "1.84467e+19" << std::numeric_limits<quint64>::max();
}

void TestPlacement::tiePatternAtAndBesideEveryBound()
{
    QFETCH(quint64, dispensers);
    QFETCH(double, trees);
    QFETCH(QString, pattern);
    QFETCH(quint64, needed);

    quint64 perAcreNeeded = 12345;
    QCOMPARE(TiePattern(dispensers, trees, perAcreNeeded), pattern);
    QCOMPARE(perAcreNeeded, needed);
}

void TestPlacement::calculateWritesAndKeepsLabelsPerOutcome_data()
{
    QTest::addColumn<QStringList>("typed"); // acres, dispensers per acre, within, between
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<bool>("warned");

    // The typed fields and the results, '|' apart.
    auto row = [](const char *name, const QString &typed, const QString &results, bool warned) {
        QTest::newRow(name) << typed.split('|') << results.split('|') << warned;
    };

    // Trees per acre, at 1 acre and 400 per acre; a refused spacing writes nothing.
    const QString kept = Texts(earlier).join('|');
    row("half 1.5 up", "1|400|120|242", "2", false);
    row("half 2.5 up", "1|400|132|132", "3", false);
    row("87120 sq ft, half 0.5 up", "1|400|264|330", "1", false);
    row("single precision 0.4x8", "1|400|0.4|8", "13612", false);
    row("exponent form", "1|400|0.1|0.1", "4.356e+06", false);
    row("two negatives", "1|400|-10|-20", "218", false);
    row("padded, plus sign", "1|400| 10 |+20", "218", false);
    row("just over 87120 sq ft", "1|400|290.5|300", kept, true);
    row("empty between", "1|400|10|", kept, true);
    row("zero", "1|400|0|20", kept, true);
    row("one negative", "1|400|10|-20", kept, true);
    row("inf times 0", "1|400|inf|0", kept, true);

    // Dispensers per acre: from 1 to 2^53, truncated; a refusal writes only the trees.
    const QString newTrees = "202|" + Texts(earlier).mid(1).join('|');
    row("400.7 truncates", "1|400.7|12|18", "202|2|404|404", false);
    row("1 accepted", "1|1|264|330", "1|1|1|1", false);
    row("0.9", "1|0.9|12|18", newTrees, true);
    row("nan", "1|nan|12|18", newTrees, true);
    row("inf", "1|inf|12|18", newTrees, true);
    row("just above 2^53", "1|9007199254740994|12|18", newTrees, true);

    // Orchard size: a whole number up to 4294967295 with a total that fits, or no total.
    row("0 acres", "0|400|12|18", "202|2|404|0", false);
    row("pasted with no-break space", QString("12") + QChar(0x00a0) + "|400|12|18",
        "202|2|404|4848", false);
    row("largest size", "4294967295|400|12|18", "202|2|404|1735166787180", false);
    row("12.5 acres", "12.5|400|12|18", "202|2|404|", false);
    row("above 32 bits", "4294967296|400|12|18", "202|2|404|", false);
    row("2^53 per acre, largest total", "2047|9007199254740992|264|330",
        "1|9.0072e+15|9007199254740992|18437736874454810624", false);
    row("total would wrap", "2048|9007199254740992|264|330", "1|9.0072e+15|9007199254740992|",
        false);
}

void TestPlacement::calculateWritesAndKeepsLabelsPerOutcome()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, results);
    QFETCH(bool, warned);

    const Calculation run = Calculate({typed[0], typed[1], typed[2], typed[3]}, earlier);
    QCOMPARE(Texts(run.shown).mid(0, results.size()), results); // the spacing rows: trees only
    QCOMPARE(run.invalidInput, warned);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
