// Built without the logo resource: the window must still open complete and calculate, with
// an empty logo row and no icon of its own.

#include "pelmora.h"
#include "windowdriver.h"

#include <QtTest>

class TestWindowWithoutLogo : public QObject
{
    Q_OBJECT

private slots:
    void opensCompleteWithEmptyLogoRowAndNoIcon();
};

void TestWindowWithoutLogo::opensCompleteWithEmptyLogoRowAndNoIcon()
{
    Pelmora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WindowDriver ui(window);
    QVERIFY(ui.complete());
    QCOMPARE(formOf(window)->rowCount(), 15);

    QVERIFY(logoShown(window).isNull());
    QVERIFY(window.windowIcon().isNull());

    ui.enter("12", "400", "10", "20");
    QTest::keyClick(ui.between, Qt::Key_Return);
    QCOMPARE(ui.results(), QStringList({"218", "2", "436", "5232"}));
}

QTEST_MAIN(TestWindowWithoutLogo)
#include "tst_windowwithoutlogo.moc"
