// Whatever a grower pastes or types into any of the five fields, "Calculate" and Enter must
// leave the window alive, write the labels the rules allow and nothing else, and the page must
// still print.

#include "pelmora.h"
#include "printedpage.h"
#include "windowdriver.h"

#include <QtTest>

namespace {

enum class Field { Name, Size, Dispensers, Within, Between };

struct FieldInfo
{
    const char *rowLabel;
    const char *typical;   // the typical example's value
    const char *printedAs; // the page's label for it
};

const FieldInfo fields[] = {
    {"Orchard or Block Name:", "North Block", "Ochard Name:"},
    {"Orchard Size (Acres):", "12", "Orchard Size (Acres):"},
    {"Dispensers Per Acre:", "400", "Dispensers Per Acre:"},
    {"Tree Spacing Within Rows (ft):", "10", "Tree Spacing Within Rows (ft):"},
    {"Tree Spacing Between Rows (ft):", "20", "Tree Spacing Between Rows (ft):"},
};

// Results of the typical example, and of the earlier run each test starts from.
const QStringList typicalResults = {"218", "2", "436", "5232"};
const QStringList earlierResults = {"173", "2", "346", "2422"};

QString arabicIndic(const QString &digits)
{
    QString out;
    for (QChar c : digits)
        out += QChar(0x0660 + c.digitValue());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Field)

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void anyTextInAnyFieldFollowsTheRules_data();
    void anyTextInAnyFieldFollowsTheRules();
};

void TestHostileInput::initTestCase()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QFAIL("pdftotext is missing: make test installs poppler-utils");
}

void TestHostileInput::anyTextInAnyFieldFollowsTheRules_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numberAccepted");

    // {v} stands for the field's typical value.
    const struct
    {
        const char *name;
        QString text;
        bool numberAccepted;
    } texts[] = {
        {"empty", "", false},
        {"spaces", "   ", false},
        {"decimal comma", "1,5", false},
        {"hex", "0x10", false},
        {"beyond float", "1e39", false},
        {"minus zero", "-0", false},
        {"inf", "inf", false},
        {"nan", "nan", false},
        {"n/a", "n/a", false},
        {"marker", "%1", false},
        {"two markers", "%2 %1", false},
        {"300 characters", QString(300, QChar('7')), false},
        {"30 digits", "123456789012345678901234567890", false},
        {"other script digits", "{arabic}", false},
        {"spreadsheet cell", "{v}\t", true},
        {"no-break space", QString("{v}") + QChar(0x00a0), true},
        {"leading plus", "+{v}", true},
        {"padded", "  {v}  ", true},
    };
    const Field all[] = {Field::Name, Field::Size, Field::Dispensers, Field::Within,
                         Field::Between};
    for (Field field : all) {
        const FieldInfo &info = fields[int(field)];
        for (const auto &t : texts) {
            QString text = t.text;
            text.replace("{v}", info.typical);
            text.replace("{arabic}", arabicIndic(info.typical));
            QTest::addRow("%s: %s", info.rowLabel, t.name) << field << text << t.numberAccepted;
        }
    }
}

void TestHostileInput::anyTextInAnyFieldFollowsTheRules()
{
    QFETCH(Field, field);
    QFETCH(QString, text);
    QFETCH(bool, numberAccepted);

    Pelmora window;
    WindowDriver ui(window);
    ui.enter("7", "400", "14", "18");
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    QCOMPARE(ui.results(), earlierResults);

    WindowDriver::type(ui.name, fields[0].typical);
    ui.enter(fields[1].typical, fields[2].typical, fields[3].typical, fields[4].typical);
    QLineEdit *edits[] = {ui.name, ui.size, ui.dispensers, ui.within, ui.between};
    QLineEdit *edit = edits[int(field)];
    edit->setText(text); // pasted: typing would drop the tab

    // The outcome table: which labels a run writes, and whether it warns.
    QStringList expected = typicalResults;
    bool warns = false;
    if (field != Field::Name && !numberAccepted) {
        switch (field) {
        case Field::Size:
            expected[3] = earlierResults[3];
            break;
        case Field::Dispensers:
            expected = QStringList{typicalResults[0]} + earlierResults.mid(1);
            warns = true;
            break;
        default:
            expected = earlierResults;
            warns = true;
        }
    }

    ModalCloser closer;
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    QCOMPARE(ui.results(), expected);
    QTest::keyClick(ui.between, Qt::Key_Return);
    QCOMPARE(ui.results(), expected);
    QCOMPARE(closer.seen, warns ? 2 : 0);
    QCOMPARE(edit->text(), text);

    const PrintedPages printed = printSummary(window);
    QCOMPARE(printed.pages, 1);
    QCOMPARE(printed.lines.size(), 16);
    const QString label = fields[int(field)].printedAs;
    QVERIFY2(printed.lines.at(7 + int(field)).text.startsWith(label),
             qPrintable(printed.lines.at(7 + int(field)).text));
    QCOMPARE(printed.lines.at(12).text, "Trees Per Acre: " + expected[0]);
    QCOMPARE(printed.lines.at(15).text, "Total Quantity of Dispensers Required: " + expected[3]);
}

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
