// The placement rules on their own, without a window: rounding, trees per acre, the tie
// pattern table at and beside its bounds, and the checks on dispensers per acre and acres.

#include "placement.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestPlacement : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesUpAndNegativesTowardZero_data();
    void roundsHalvesUpAndNegativesTowardZero();
    void treesPerAcreFromSpacing_data();
    void treesPerAcreFromSpacing();
    void tiePatternForRatio_data();
    void tiePatternForRatio();
    void tiePatternOutsideContractIsEmpty_data();
    void tiePatternOutsideContractIsEmpty();
    void acceptsDispensersPerAcreFromOneToTwoToThe53_data();
    void acceptsDispensersPerAcreFromOneToTwoToThe53();
    void totalIsWrittenOnlyForWholeAcresThatFit_data();
    void totalIsWrittenOnlyForWholeAcresThatFit();
};

void TestPlacement::roundsHalvesUpAndNegativesTowardZero_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::newRow("217.8") << 217.8 << 218.0;
    QTest::newRow("2.5 up") << 2.5 << 3.0;
    QTest::newRow("1.5 up") << 1.5 << 2.0;
    QTest::newRow("0.5 up") << 0.5 << 1.0;
    QTest::newRow("just below half") << 0.49999999999999994 << 0.0;
    QTest::newRow("0.484 down") << 0.484 << 0.0;
    QTest::newRow("-2.7 truncates") << -2.7 << -2.0;
    QTest::newRow("-2.5 truncates") << -2.5 << -2.0;
    QTest::newRow("whole") << 220.0 << 220.0;
}

void TestPlacement::roundsHalvesUpAndNegativesTowardZero()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QCOMPARE(RoundHalfUp(value), rounded);
}

void TestPlacement::treesPerAcreFromSpacing_data()
{
    QTest::addColumn<QString>("within");
    QTest::addColumn<QString>("between");
    QTest::addColumn<QString>("shown"); // empty: refused

    QTest::newRow("10x20") << "10" << "20" << "218";
    QTest::newRow("14x18") << "14" << "18" << "173";
    QTest::newRow("12x18") << "12" << "18" << "202";
    QTest::newRow("15x20") << "15" << "20" << "145";
    QTest::newRow("8x12") << "8" << "12" << "454";
    QTest::newRow("11x18 exact") << "11" << "18" << "220";
    QTest::newRow("0.5x0.5") << "0.5" << "0.5" << "174240";
    QTest::newRow("half 1.5 up") << "120" << "242" << "2";
    QTest::newRow("half 2.5 up") << "132" << "132" << "3";
    QTest::newRow("87120 sq ft, half 0.5 up") << "264" << "330" << "1";
    QTest::newRow("single precision 0.4x8") << "0.4" << "8" << "13612";
    QTest::newRow("exponent form") << "0.1" << "0.1" << "4.356e+06";
    QTest::newRow("just over 87120 sq ft") << "290.5" << "300" << "";
    QTest::newRow("two negatives") << "-10" << "-20" << "218";
    QTest::newRow("spaces around") << " 10 " << "20" << "218";
    QTest::newRow("leading plus") << "+10" << "20" << "218";

    QTest::newRow("300x300 rounds to 0") << "300" << "300" << "";
    QTest::newRow("empty within") << "" << "20" << "";
    QTest::newRow("empty between") << "10" << "" << "";
    QTest::newRow("letters") << "abc" << "20" << "";
    QTest::newRow("zero") << "0" << "20" << "";
    QTest::newRow("one negative") << "10" << "-20" << "";
    QTest::newRow("decimal comma") << "1,5" << "20" << "";
    QTest::newRow("hex") << "0x10" << "20" << "";
    QTest::newRow("beyond float") << "1e39" << "20" << "";
    QTest::newRow("inf") << "inf" << "20" << "";
    QTest::newRow("-inf twice") << "-inf" << "-inf" << "";
    QTest::newRow("nan") << "10" << "nan" << "";
    QTest::newRow("-0") << "-0" << "20" << "";
}

void TestPlacement::treesPerAcreFromSpacing()
{
    QFETCH(QString, within);
    QFETCH(QString, between);
    QFETCH(QString, shown);

    const double trees = TreesPerAcreForSpacing(within, between);
    if (shown.isEmpty()) {
        QCOMPARE(trees, 0.0);
    } else {
        QCOMPARE(trees, std::floor(trees));
        QCOMPARE(DecimalText(trees), shown);
    }
}

void TestPlacement::tiePatternForRatio_data()
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
    const QString everyThird = "1 tie every 3rd tree";
    const QString everyNth = "1 tie every %1th tree";

    // The worked examples, all at 400 per acre.
    QTest::newRow("10x20 row 3") << 400ull << 218.0 << "2" << 436ull;
    QTest::newRow("14x18 row 3") << 400ull << 173.0 << "2" << 346ull;
    QTest::newRow("20x20 row 1") << 400ull << 109.0 << splitRows.arg(4).arg(3) << 382ull;
    QTest::newRow("12x12 row 2") << 400ull << 303.0 << extraThird << 405ull;
    QTest::newRow("8x12 row 4") << 400ull << 454.0 << "1" << 454ull;
    QTest::newRow("8x11 row 5") << 400ull << 495.0 << alternate << 371ull;
    QTest::newRow("6x11 row 6") << 400ull << 660.0 << skipThird << 440ull;
    QTest::newRow("6x8 row 7") << 400ull << 908.0 << everyOther << 454ull;
    QTest::newRow("5x9 row 8") << 400ull << 968.0 << secondThird << 403ull;
    QTest::newRow("4x10 row 9") << 400ull << 1089.0 << everyThird << 363ull;
    QTest::newRow("3x10 row 10") << 400ull << 1452.0 << everyNth.arg(4) << 363ull;
    QTest::newRow("2x3 row 10") << 400ull << 7260.0 << everyNth.arg(18) << 403ull;

    // At and beside the bounds.
    QTest::newRow("whole ratio") << 400ull << 200.0 << "2" << 400ull;
    QTest::newRow("x=1 is row 3") << 100ull << 100.0 << "1" << 100ull;
    QTest::newRow("1.4 held below") << 14ull << 10.0 << extraThird << 13ull;
    QTest::newRow("2.4 row 3") << 24ull << 10.0 << "2" << 20ull;
    QTest::newRow("2.3 row 3") << 23ull << 10.0 << "2" << 20ull;
    QTest::newRow("1.2 row 3") << 12ull << 10.0 << "1" << 10ull;
    QTest::newRow("1.7 bound row 3") << 17ull << 10.0 << "2" << 20ull;
    QTest::newRow("1.5 row 1") << 15ull << 10.0 << splitRows.arg(2).arg(1) << 15ull;
    QTest::newRow("1.5 odd trees") << 3ull << 2.0 << splitRows.arg(2).arg(1) << 3ull;
    QTest::newRow("0.87 row 5") << 87ull << 100.0 << alternate << 75ull;
    QTest::newRow("0.88 row 4") << 88ull << 100.0 << "1" << 100ull;
    QTest::newRow("0.7 row 6") << 70ull << 100.0 << skipThird << 67ull;
    QTest::newRow("0.58 row 7") << 58ull << 100.0 << everyOther << 50ull;
    QTest::newRow("0.42 row 8") << 42ull << 100.0 << secondThird << 41ull;
    QTest::newRow("row 8 cuts 407.99") << 400ull << 980.0 << secondThird << 407ull;
    QTest::newRow("0.4 row 9") << 400ull << 1000.0 << everyThird << 333ull;
    QTest::newRow("2/7 row 10") << 2ull << 7.0 << everyNth.arg(4) << 2ull;
    QTest::newRow("tiny ratio") << 1ull << 100000.0 << everyNth.arg(100000) << 1ull;
    QTest::newRow("interval in exponent form")
        << 1ull << 2000000.0 << everyNth.arg("2e+06") << 1ull;
    QTest::newRow("21th") << 1ull << 21.0 << everyNth.arg(21) << 1ull;
    QTest::newRow("huge ratio exact count")
        << 1000000000000000ull << 218.0 << "4.58716e+12" << 1000000000000054ull;
}

void TestPlacement::tiePatternForRatio()
{
    QFETCH(quint64, dispensers);
    QFETCH(double, trees);
    QFETCH(QString, pattern);
    QFETCH(quint64, needed);

    quint64 perAcreNeeded = 12345;
    QCOMPARE(TiePattern(dispensers, trees, perAcreNeeded), pattern);
    QCOMPARE(perAcreNeeded, needed);
}

void TestPlacement::tiePatternOutsideContractIsEmpty_data()
{
    QTest::addColumn<quint64>("dispensers");
    QTest::addColumn<double>("trees");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("no dispensers") << 0ull << 218.0;
    QTest::newRow("no trees") << 400ull << 0.0;
    QTest::newRow("below one tree") << 400ull << 0.5;
    QTest::newRow("negative trees") << 400ull << -218.0;
    QTest::newRow("nan trees") << 400ull << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinite trees") << 400ull << inf;
    QTest::newRow("-infinite trees") << 400ull << -inf;
}

void TestPlacement::tiePatternOutsideContractIsEmpty()
{
    QFETCH(quint64, dispensers);
    QFETCH(double, trees);
    quint64 perAcreNeeded = 12345;
    QCOMPARE(TiePattern(dispensers, trees, perAcreNeeded), QString());
    QCOMPARE(perAcreNeeded, 0ull);
}

void TestPlacement::acceptsDispensersPerAcreFromOneToTwoToThe53_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<quint64>("passedOn");
    QTest::newRow("400") << "400" << true << 400ull;
    QTest::newRow("1") << "1" << true << 1ull;
    QTest::newRow("400.7 truncates") << "400.7" << true << 400ull;
    QTest::newRow("1.99 truncates") << "1.99" << true << 1ull;
    QTest::newRow("2^53") << "9007199254740992" << true << 9007199254740992ull;
    QTest::newRow("above 2^53") << "9007199254740994" << false << 0ull;
    QTest::newRow("2^64") << "18446744073709551616" << false << 0ull;
    QTest::newRow("1e300") << "1e300" << false << 0ull;
    QTest::newRow("0") << "0" << false << 0ull;
    QTest::newRow("0.9") << "0.9" << false << 0ull;
    QTest::newRow("-5") << "-5" << false << 0ull;
    QTest::newRow("empty") << "" << false << 0ull;
    QTest::newRow("abc") << "abc" << false << 0ull;
    QTest::newRow("inf") << "inf" << false << 0ull;
    QTest::newRow("-inf") << "-inf" << false << 0ull;
    QTest::newRow("nan") << "nan" << false << 0ull;
}

void TestPlacement::acceptsDispensersPerAcreFromOneToTwoToThe53()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(quint64, passedOn);
    quint64 dispensers = 0;
    QCOMPARE(ParseDispensersPerAcre(text, &dispensers), accepted);
    QCOMPARE(dispensers, passedOn);
}

void TestPlacement::totalIsWrittenOnlyForWholeAcresThatFit_data()
{
    QTest::addColumn<QString>("acres");
    QTest::addColumn<quint64>("perAcreNeeded");
    QTest::addColumn<bool>("written");
    QTest::addColumn<quint64>("total");
    const quint64 max = std::numeric_limits<quint64>::max();
    QTest::newRow("12 acres") << "12" << 436ull << true << 5232ull;
    QTest::newRow("0 acres") << "0" << 436ull << true << 0ull;
    QTest::newRow("largest size") << "4294967295" << 436ull << true << 4294967295ull * 436;
    QTest::newRow("fraction") << "12.5" << 436ull << false << 0ull;
    QTest::newRow("empty") << "" << 436ull << false << 0ull;
    QTest::newRow("abc") << "abc" << 436ull << false << 0ull;
    QTest::newRow("above 32 bits") << "4294967296" << 436ull << false << 0ull;
    QTest::newRow("minus one") << "-1" << 436ull << false << 0ull;
    QTest::newRow("product fits exactly") << "1" << max << true << max;
    QTest::newRow("product would wrap") << "2" << max / 2 + 1 << false << 0ull;
    QTest::newRow("largest count that fits")
        << "4294967295" << max / 4294967295ull << true << max;
    QTest::newRow("one past it") << "4294967295" << max / 4294967295ull + 1 << false << 0ull;
}

void TestPlacement::totalIsWrittenOnlyForWholeAcresThatFit()
{
    QFETCH(QString, acres);
    QFETCH(quint64, perAcreNeeded);
    QFETCH(bool, written);
    QFETCH(quint64, total);
    quint64 result = 0;
    QCOMPARE(TotalQuantity(acres, perAcreNeeded, &result), written);
    QCOMPARE(result, total);
}

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
