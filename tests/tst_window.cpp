// The window as a grower meets it: what it shows when it opens, which labels a click or Enter
// writes, and the warning box. What its preview prints is checked with the page.

#include "displayscale.h"
#include "logolabel.h"
#include "pelmora.h"
#include "supplier.h"

#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

namespace {

// The form as a user reads it, row by row: a header row's text if it is centred, a labelled
// row's label and what its field shows, the buttons from left to right.
QStringList Screen(Pelmora &window)
{
    auto *form = qobject_cast<QFormLayout *>(window.layout());
    QStringList rows;
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem *field =
            form->itemAt(row, label ? QFormLayout::FieldRole : QFormLayout::SpanningRole);
        QString text = label ? qobject_cast<QLabel *>(label->widget())->text() + " " : "";
        if (auto *edit = qobject_cast<QLineEdit *>(field->widget()))
            text += edit->text();
        else if (auto *shown = qobject_cast<QLabel *>(field->widget()))
            text += label || shown->alignment() == Qt::AlignCenter ? shown->text() : "?";
        for (int i = 0; field->layout() && i < field->layout()->count(); ++i)
            text +=
                qobject_cast<QPushButton *>(field->layout()->itemAt(i)->widget())->text() + ";";
        rows << text;
    }
    return rows;
}

QPushButton *Button(Pelmora &window, const QString &text)
{
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

QPixmap Logo(Pelmora &window)
{
    return window.findChild<LogoLabel *>()->property("pixmap").value<QPixmap>();
}

// Fills acres, dispensers per acre, within and between rows (created in that order).
QList<QLineEdit *> Enter(Pelmora &window, const QStringList &texts)
{
    QList<QLineEdit *> edits = window.findChildren<QLineEdit *>();
    for (int i = 0; i < texts.size(); ++i)
        edits.at(i + 1)->setText(texts.at(i));
    return edits;
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensWithHeaderFormAndEmptyResults();
    void calculateAndEnterWriteTheLabels_data();
    void calculateAndEnterWriteTheLabels();
    void growsWholeAndSharpAtTheDisplayScale();
    void redrawsTheLogoOnAScreenOfAnotherScale();
};

void TestWindow::opensWithHeaderFormAndEmptyResults()
{
    Pelmora window;
    QCOMPARE(Screen(window),
             QStringList({Supplier::providedBy, "", Supplier::telephone, Supplier::tollFree,
                          Supplier::fax, "Orchard or Block Name: ", "Orchard Size (Acres): ",
                          "Dispensers Per Acre: 400", "Tree Spacing Within Rows (ft): ",
                          "Tree Spacing Between Rows (ft): ", "Trees Per Acre: ",
                          "Dispensers Per Tree: ", "Calculated Dispensers Per Acre Needed: ",
                          "Total Quantity of Dispensers Required: ", "Print Preview;Calculate;"}));

    QVERIFY(!window.windowIcon().isNull());

    // Tab goes through the five fields in screen order, then to Calculate, then Print Preview.
    QList<QWidget *> tabOrder, expected;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            tabOrder << w;
    }
    const auto *form = qobject_cast<QFormLayout *>(window.layout());
    for (int row = 5; row < 10; ++row)
        expected << form->itemAt(row, QFormLayout::FieldRole)->widget();
    QCOMPARE(tabOrder, expected << Button(window, "Calculate") << Button(window, "Print Preview"));
}

// Every run starts from an earlier one (12 acres, 400 per acre, 20 x 20 ft), so a label that
// is kept shows that run's text. The button and the warning box, as a screen reader meets
// them, are checked over the accessibility bus (tst_accessible.py).
void TestWindow::calculateAndEnterWriteTheLabels_data()
{
    QTest::addColumn<int>("field"); // in screen order; Enter in it, with trees 10 x 20 ft apart
    QTest::addColumn<QStringList>("shown");

    const QStringList earlier = {"109", "4 ties first row/ 3 ties 2nd row", "382", "4584"};
    QTest::newRow("between rows calculates") << 4 << QStringList{"218", "2", "436", "5232"};
    const char *others[] = {"name", "size", "dispensers", "within rows"};
    for (int field = 0; field < 4; ++field)
        QTest::addRow("%s does not", others[field]) << field << earlier;
}

void TestWindow::calculateAndEnterWriteTheLabels()
{
    QFETCH(int, field);
    QFETCH(QStringList, shown);

    Pelmora window;
    Enter(window, {"12", "400", "20", "20"});
    QTest::mouseClick(Button(window, "Calculate"), Qt::LeftButton);
    QTest::keyClick(Enter(window, {"12", "400", "10", "20"}).at(field), Qt::Key_Return);
    const QRegularExpression label("^[^:]*: "); // the four result rows, without their labels
    QCOMPARE(QStringList(Screen(window).mid(10, 4)).replaceInStrings(label, ""), shown);
}

// At the display scale PELMORA_SCALE, which tests/CMakeLists.txt gives the screen, a run for
// each, as the scale is fixed at start-up.
void TestWindow::growsWholeAndSharpAtTheDisplayScale()
{
    if (!qEnvironmentVariableIsSet("PELMORA_SCALE"))
        QSKIP("runs where the screen is set to a scale (tst_window_*dpi)");
    const qreal scale = qEnvironmentVariable("PELMORA_SCALE").toDouble();
    Pelmora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // Laid out as at 100 percent, text included, and drawn that much larger.
    QCOMPARE(window.devicePixelRatioF(), scale);
    QCOMPARE(window.logicalDpiY(), 96);
    // The logo 60 pixels high, as wide as the drawing's proportions give.
    auto *logo = window.findChild<LogoLabel *>();
    const QSize drawn = QImageReader(":/logo/Worm.svg").size();
    QCOMPARE(logo->sizeHint(), QSize(qRound(drawn.width() * 60.0 / drawn.height()), 60));
    QCOMPARE(Logo(window).devicePixelRatio(), scale);
    QCOMPARE(Logo(window).height(), qRound(60 * scale));
    const QImage shown = logo->grab().toImage(); // and painted: not the background in its middle
    QVERIFY(shown.pixel(shown.rect().center()) != shown.pixel(0, 0));

    // No text cut off.
    for (QWidget *shown : window.findChildren<QWidget *>()) {
        const QSize wanted = shown->sizeHint();
        QVERIFY2(shown->width() >= wanted.width() && shown->height() >= wanted.height(),
                 shown->metaObject()->className());
    }
}

// A window moved to a screen of another scale, as onto a laptop's external monitor.
void TestWindow::redrawsTheLogoOnAScreenOfAnotherScale()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        QSKIP("needs two screens of their own scale (Qt 6's offscreen two-screens.json)");
    Pelmora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *logo = window.findChild<LogoLabel *>();
    for (QScreen *screen : {screens.last(), screens.first()}) {
        window.move(screen->geometry().topLeft() + QPoint(40, 40));
        window.windowHandle()->setScreen(screen); // as a platform does once a window is moved
        const qreal ratio = screen->devicePixelRatio();
        if (!QTest::qWaitFor([&] { return window.devicePixelRatioF() == ratio; }))
            QSKIP("this platform gives a moved window no other pixel ratio (Qt 6.8 offscreen)");
        // Painted, as the platform paints a window that changed screens.
        QTRY_COMPARE((logo->grab(), Logo(window).devicePixelRatio()), screen->devicePixelRatio());
        QCOMPARE(Logo(window).height(), qRound(60 * screen->devicePixelRatio()));
    }
}

// Not QTEST_MAIN, which pins text to 96 DPI: the window starts as the program starts it.
int main(int argc, char *argv[])
{
    EnableDisplayScaling();
    QApplication app(argc, argv);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
