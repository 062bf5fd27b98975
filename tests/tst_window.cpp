// The window as a grower meets it: what it shows when it opens, how Enter, Tab and the two
// buttons behave, the slots it exposes by name, and every outcome of "Calculate".

#include "pelmora.h"
#include "supplier.h"
#include "windowdriver.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QMetaMethod>
#include <QProcess>
#include <QtTest>

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensWithTitleHeaderAndEmptyResults();
    void formRowsInScreenOrder_data();
    void formRowsInScreenOrder();
    void printPreviewStandsLeftOfCalculate();
    void enterCalculatesOnlyInBetweenRowsField_data();
    void enterCalculatesOnlyInBetweenRowsField();
    void tabFollowsCreationOrder();
    void exposesThreePrivateSlotsByName();
    void logoIsSixtyPixelsHighAndIconIsSet();
    void calculateFillsLabelsPerOutcome_data();
    void calculateFillsLabelsPerOutcome();
    void warningBoxHasOneOkButtonAndFixedTexts();
    void programExitsWithZeroWhenClosed_data();
    void programExitsWithZeroWhenClosed();
};

void TestWindow::opensWithTitleHeaderAndEmptyResults()
{
    Pelmora window;
    WindowDriver ui(window);
    QVERIFY(ui.complete());
    QCOMPARE(window.windowTitle(), QString("Pelmora"));
    QCOMPARE(ui.name->text(), QString());
    QCOMPARE(ui.size->text(), QString());
    QCOMPARE(ui.dispensers->text(), QString("400"));
    QCOMPARE(ui.within->text(), QString());
    QCOMPARE(ui.between->text(), QString());
    QCOMPARE(ui.results(), QStringList({"", "", "", ""}));

    // The five header rows span the form and are the only centred labels.
    QFormLayout *form = formOf(window);
    const QStringList header = {Supplier::providedBy, "", Supplier::telephone,
                                Supplier::tollFree, Supplier::fax};
    for (int row = 0; row < header.size(); ++row) {
        QLayoutItem *item = form->itemAt(row, QFormLayout::SpanningRole);
        QVERIFY2(item, qPrintable(QString("row %1 does not span").arg(row)));
        auto *label = qobject_cast<QLabel *>(item->widget());
        QVERIFY(label);
        QCOMPARE(label->text(), header.at(row));
        QCOMPARE(label->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(ui.trees->alignment(), QLabel().alignment());
    QVERIFY(QString(Supplier::telephone).startsWith("Tel: "));
    QVERIFY(QString(Supplier::tollFree).startsWith("Toll Free: "));
    QVERIFY(QString(Supplier::fax).startsWith("Fax: "));
}

void TestWindow::formRowsInScreenOrder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("kind");
    const char *labels[] = {"Orchard or Block Name:", "Orchard Size (Acres):",
                            "Dispensers Per Acre:", "Tree Spacing Within Rows (ft):",
                            "Tree Spacing Between Rows (ft):", "Trees Per Acre:",
                            "Dispensers Per Tree:", "Calculated Dispensers Per Acre Needed:",
                            "Total Quantity of Dispensers Required:"};
    for (int i = 0; i < 9; ++i)
        QTest::newRow(labels[i]) << 5 + i << labels[i] << (i < 5 ? "QLineEdit" : "QLabel");
}

void TestWindow::formRowsInScreenOrder()
{
    QFETCH(int, row);
    QFETCH(QString, label);
    QFETCH(QString, kind);
    Pelmora window;
    QFormLayout *form = formOf(window);
    QCOMPARE(form->rowCount(), 15);
    auto *rowLabel = qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget());
    QVERIFY(rowLabel);
    QCOMPARE(rowLabel->text(), label);
    QCOMPARE(form->itemAt(row, QFormLayout::FieldRole)->widget()->metaObject()->className(),
             kind.toLatin1());
}

void TestWindow::printPreviewStandsLeftOfCalculate()
{
    Pelmora window;
    WindowDriver ui(window);
    QFormLayout *form = formOf(window);
    auto *buttons = qobject_cast<QHBoxLayout *>(form->itemAt(14, QFormLayout::SpanningRole)
                                                    ->layout());
    QVERIFY(buttons);
    QCOMPARE(buttons->count(), 2);
    QCOMPARE(buttons->itemAt(0)->widget(), ui.preview);
    QCOMPARE(buttons->itemAt(1)->widget(), ui.calculate);
}

void TestWindow::enterCalculatesOnlyInBetweenRowsField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("treesShown");
    QTest::newRow("name") << "Orchard or Block Name:" << "";
    QTest::newRow("size") << "Orchard Size (Acres):" << "";
    QTest::newRow("dispensers") << "Dispensers Per Acre:" << "";
    QTest::newRow("within") << "Tree Spacing Within Rows (ft):" << "";
    QTest::newRow("between") << "Tree Spacing Between Rows (ft):" << "218";
}

void TestWindow::enterCalculatesOnlyInBetweenRowsField()
{
    QFETCH(QString, field);
    QFETCH(QString, treesShown);
    Pelmora window;
    WindowDriver ui(window);
    ui.enter("12", "400", "10", "20");
    QTest::keyClick(fieldBeside<QLineEdit>(window, field), Qt::Key_Return);
    QCOMPARE(ui.trees->text(), treesShown);
}

void TestWindow::tabFollowsCreationOrder()
{
    Pelmora window;
    WindowDriver ui(window);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ui.name->setFocus();

    const QList<QWidget *> expected = {ui.name,    ui.size,      ui.dispensers, ui.within,
                                       ui.between, ui.calculate, ui.preview,    ui.name};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected.at(i));
    }
}

void TestWindow::exposesThreePrivateSlotsByName()
{
    Pelmora window;
    const QMetaObject *meta = window.metaObject();
    QCOMPARE(meta->className(), "Pelmora");
    QCOMPARE(meta->superClass(), &QWidget::staticMetaObject);
    QCOMPARE(meta->methodCount() - meta->methodOffset(), 3);
    QCOMPARE(meta->propertyCount(), meta->propertyOffset());
    QCOMPARE(meta->enumeratorCount(), meta->enumeratorOffset());
    QCOMPARE(meta->classInfoCount(), meta->classInfoOffset());
    QCOMPARE(meta->constructorCount(), 0);

    const QByteArray signatures[] = {"SubmitSlot()", "PreviewSlot()", "PrintRequest(QPrinter*)"};
    for (int i = 0; i < 3; ++i) {
        const QMetaMethod method = meta->method(meta->methodOffset() + i);
        QCOMPARE(method.methodSignature(), signatures[i]);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.returnType(), int(QMetaType::Void));
    }
    QCOMPARE(meta->method(meta->methodOffset() + 2).parameterNames(),
             QList<QByteArray>({"printer"}));

    QCOMPARE(window.qt_metacast("Pelmora"), static_cast<void *>(&window));
    QCOMPARE(window.qt_metacast("QWidget"), static_cast<void *>(static_cast<QWidget *>(&window)));
    QCOMPARE(window.qt_metacast("pelmora"), nullptr);
    QCOMPARE(window.qt_metacast("Pelmora "), nullptr);
    QCOMPARE(window.qt_metacast(nullptr), nullptr);
}

void TestWindow::logoIsSixtyPixelsHighAndIconIsSet()
{
    Pelmora window;
    const QPixmap logo = logoShown(window);
    const QSize drawn = QImageReader(":/logo/Worm.svg").size();
    QVERIFY2(drawn.isValid(), "the SVG image-format plug-in is not installed");
    QCOMPARE(logo.height(), 60);
    QCOMPARE(logo.width(), qRound(drawn.width() * 60.0 / drawn.height()));
    QVERIFY(!window.windowIcon().isNull());
}

// Every run starts from an earlier good run (218, "2", 436, 5232), so "kept" is visible.
void TestWindow::calculateFillsLabelsPerOutcome_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("dispensers");
    QTest::addColumn<QString>("within");
    QTest::addColumn<QString>("between");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<bool>("warned");

    const QStringList earlier = {"218", "2", "436", "5232"};
    QTest::newRow("typical") << "12" << "400" << "10" << "20" << earlier << false;
    QTest::newRow("20x20 split rows") << "3" << "400" << "20" << "20"
        << QStringList{"109", "4 ties first row/ 3 ties 2nd row", "382", "1146"} << false;
    QTest::newRow("0.4x8 single precision") << "1" << "400" << "0.4" << "8"
        << QStringList{"13612", "1 tie every 34th tree", "400", "400"} << false;
    QTest::newRow("exponent form") << "1" << "400" << "0.1" << "0.1"
        << QStringList{"4.356e+06", "1 tie every 10890th tree", "400", "400"} << false;
    QTest::newRow("two negatives") << "0" << "400.7" << "-10" << "-20"
        << QStringList{"218", "2", "436", "0"} << false;

    QTest::newRow("spacing 300x300") << "1" << "400" << "300" << "300" << earlier << true;
    QTest::newRow("spacing empty") << "1" << "400" << "" << "20" << earlier << true;
    QTest::newRow("spacing one negative") << "1" << "400" << "-10" << "20" << earlier << true;
    QTest::newRow("spacing inf") << "1" << "400" << "inf" << "20" << earlier << true;
    QTest::newRow("spacing nan") << "1" << "400" << "10" << "nan" << earlier << true;

    const QStringList newTrees = {"202", "2", "436", "5232"};
    QTest::newRow("dispensers 0.9") << "1" << "0.9" << "12" << "18" << newTrees << true;
    QTest::newRow("dispensers abc") << "1" << "abc" << "12" << "18" << newTrees << true;
    QTest::newRow("dispensers inf") << "1" << "inf" << "12" << "18" << newTrees << true;
    QTest::newRow("dispensers nan") << "1" << "nan" << "12" << "18" << newTrees << true;
    QTest::newRow("dispensers 2^64") << "1" << "18446744073709551616" << "12" << "18"
                                     << newTrees << true;

    QTest::newRow("acres 12.5") << "12.5" << "400" << "12" << "18"
        << QStringList{"202", "2", "404", "5232"} << false;
    QTest::newRow("acres above 32 bits") << "4294967296" << "400" << "12" << "18"
        << QStringList{"202", "2", "404", "5232"} << false;
    QTest::newRow("total would wrap") << "4294967295" << "9007199254740992" << "264" << "330"
        << QStringList{"1", "9.0072e+15", "9007199254740992", "5232"} << false;
    QTest::newRow("largest total") << "2047" << "9007199254740992" << "264" << "330"
        << QStringList{"1", "9.0072e+15", "9007199254740992", "18437736874454810624"}
        << false;
}

void TestWindow::calculateFillsLabelsPerOutcome()
{
    QFETCH(QString, size);
    QFETCH(QString, dispensers);
    QFETCH(QString, within);
    QFETCH(QString, between);
    QFETCH(QStringList, results);
    QFETCH(bool, warned);

    Pelmora window;
    WindowDriver ui(window);
    ui.enter("12", "400", "10", "20");
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    QCOMPARE(ui.results(), QStringList({"218", "2", "436", "5232"}));

    ModalCloser closer;
    ui.enter(size, dispensers, within, between);
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    QCOMPARE(closer.seen, warned ? 1 : 0);
    QCOMPARE(ui.results(), results);

    // The same inputs again, by Enter this time, write the same texts.
    QTest::keyClick(ui.between, Qt::Key_Return);
    QCOMPARE(closer.seen, warned ? 2 : 0);
    QCOMPARE(ui.results(), results);
}

void TestWindow::warningBoxHasOneOkButtonAndFixedTexts()
{
    Pelmora window;
    WindowDriver ui(window);
    QWidget *parent = nullptr;
    ModalCloser closer([&](QWidget *modal) { parent = modal->parentWidget(); });
    ui.enter("12", "400", "abc", "20");
    QTest::mouseClick(ui.calculate, Qt::LeftButton);
    QCOMPARE(closer.seen, 1);
    QCOMPARE(parent, &window);
    QCOMPARE(closer.title, QString("Invalid Input"));
    QCOMPARE(closer.text, QString("The tree spacing you entered is not valid"));
    QCOMPARE(closer.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestWindow::programExitsWithZeroWhenClosed_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no arguments") << QStringList();
    QTest::newRow("extra arguments") << QStringList({"--acres", "12", "orchard.txt"});
}

void TestWindow::programExitsWithZeroWhenClosed()
{
    QFETCH(QStringList, arguments);
    const QString script = QStringLiteral(PELMORA_SOURCE_DIR "/tests/close-window");
    if (QStandardPaths::findExecutable("xvfb-run").isEmpty())
        QFAIL("xvfb-run is missing: make test installs it");
    QProcess run;
    run.start(script, QStringList{QStringLiteral(PELMORA_BINARY)} + arguments);
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    QCOMPARE(run.readAllStandardOutput().trimmed(), QByteArray("pelmora exited with 0"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
