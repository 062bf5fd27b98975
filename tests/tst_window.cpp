// The window as a grower meets it: what it shows when it opens, which labels a click or Enter
// writes, the warning box, and what the print preview prints.

#include "pelmora.h"
#include "supplier.h"

#include <QFormLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// The form as a user reads it, row by row: a header row's text if it is centred, a labelled
// row's label and what its field shows, the buttons from left to right.
QStringList screen(Pelmora &window)
{
    auto *form = qobject_cast<QFormLayout *>(window.layout());
    QStringList rows;
    for (int row = 0; row < form->rowCount(); ++row) {
        QLayoutItem *label = form->itemAt(row, QFormLayout::LabelRole);
        QLayoutItem *field = form->itemAt(row, label ? QFormLayout::FieldRole
                                                     : QFormLayout::SpanningRole);
        QString text = label ? qobject_cast<QLabel *>(label->widget())->text() + " " : "";
        if (auto *edit = qobject_cast<QLineEdit *>(field->widget()))
            text += edit->text();
        else if (auto *shown = qobject_cast<QLabel *>(field->widget()))
            text += label || shown->alignment() == Qt::AlignCenter ? shown->text() : "?";
        for (int i = 0; field->layout() && i < field->layout()->count(); ++i)
            text += qobject_cast<QPushButton *>(field->layout()->itemAt(i)->widget())->text() + ";";
        rows << text;
    }
    return rows;
}

QStringList results(Pelmora &window)
{
    QStringList shown = screen(window).mid(10, 4);
    for (QString &row : shown)
        row = row.section(": ", 1);
    return shown;
}

// The field beside a row label (the form makes it the label's buddy), or the named button.
QWidget *find(Pelmora &window, const QString &text)
{
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text() == text)
            return label->buddy();
    }
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Types over acres, dispensers per acre, within and between rows (created in that order).
void enter(Pelmora &window, const QStringList &texts)
{
    const QList<QLineEdit *> edits = window.findChildren<QLineEdit *>();
    for (int i = 0; i < texts.size(); ++i) {
        edits[i + 1]->clear();
        QTest::keyClicks(edits[i + 1], texts[i]);
    }
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensWithHeaderFormAndEmptyResults_data();
    void opensWithHeaderFormAndEmptyResults();
    void calculateAndEnterWriteTheLabels_data();
    void calculateAndEnterWriteTheLabels();
    void previewPrintsWhatTheWindowShows();
};

void TestWindow::opensWithHeaderFormAndEmptyResults_data()
{
    QTest::addColumn<bool>("logo");
    QTest::newRow("with the logo") << true;
    QTest::newRow("without the logo resource") << false;
}

void TestWindow::opensWithHeaderFormAndEmptyResults()
{
    QFETCH(bool, logo);
    if (!logo)
        Q_CLEANUP_RESOURCE(logo);
    Pelmora window;
    Q_INIT_RESOURCE(logo);
    QCOMPARE(window.windowTitle(), QString("Pelmora"));
    QCOMPARE(screen(window),
             QStringList({Supplier::providedBy, "", Supplier::telephone, Supplier::tollFree,
                          Supplier::fax, "Orchard or Block Name: ", "Orchard Size (Acres): ",
                          "Dispensers Per Acre: 400", "Tree Spacing Within Rows (ft): ",
                          "Tree Spacing Between Rows (ft): ", "Trees Per Acre: ",
                          "Dispensers Per Tree: ", "Calculated Dispensers Per Acre Needed: ",
                          "Total Quantity of Dispensers Required: ", "Print Preview;Calculate;"}));

    const QSize drawn = QImageReader(":/logo/Worm.svg").size();
    QVERIFY2(drawn.isValid(), "the SVG image-format plug-in is not installed");
    auto *logoRow = qobject_cast<QLabel *>(
        qobject_cast<QFormLayout *>(window.layout())->itemAt(1, QFormLayout::SpanningRole)
            ->widget());
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QSize shown = logoRow->pixmap().size();
#else
    const QSize shown = logoRow->pixmap(Qt::ReturnByValue).size();
#endif
    QCOMPARE(shown, logo ? QSize(qRound(drawn.width() * 60.0 / drawn.height()), 60)
                         : QSize(0, 0));
    QCOMPARE(window.windowIcon().isNull(), !logo);
}

// Every run starts from an earlier one (12 acres, 400 per acre, 20 x 20 ft), so a label that
// is kept shows that run's text.
void TestWindow::calculateAndEnterWriteTheLabels_data()
{
    QTest::addColumn<QString>("trigger"); // the field Enter is pressed in, or Calculate
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("warned");

    const QStringList typical = {"12", "400", "10", "20"};
    const QStringList earlier = {"109", "4 ties first row/ 3 ties 2nd row", "382", "4584"};
    const QStringList calculated = {"218", "2", "436", "5232"};
    QTest::newRow("Calculate") << "Calculate" << typical << calculated << false;
    QTest::newRow("Enter between rows")
        << "Tree Spacing Between Rows (ft):" << typical << calculated << false;
    for (const char *field : {"Orchard or Block Name:", "Orchard Size (Acres):",
                              "Dispensers Per Acre:", "Tree Spacing Within Rows (ft):"})
        QTest::addRow("Enter in %s", field) << field << typical << earlier << false;
    QTest::newRow("spacing refused")
        << "Calculate" << QStringList{"12", "400", "abc", "20"} << earlier << true;
    QTest::newRow("dispensers refused") << "Calculate" << QStringList{"12", "0.9", "10", "20"}
                                        << calculated.mid(0, 1) + earlier.mid(1) << true;
    QTest::newRow("acres refused: no total")
        << "Calculate" << QStringList{"12.5", "400", "10", "20"}
        << QStringList{"218", "2", "436", ""} << false;
}

void TestWindow::calculateAndEnterWriteTheLabels()
{
    QFETCH(QString, trigger);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    QFETCH(bool, warned);

    Pelmora window;
    enter(window, {"12", "400", "20", "20"});
    QTest::mouseClick(find(window, "Calculate"), Qt::LeftButton);

    QStringList boxes;
    QTimer answer; // closes each modal box, so that no run can hang on one
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->windowTitle() << box->text()
                  << QString::number(box->standardButtons() == QMessageBox::Ok
                                     && box->parentWidget() == &window);
            box->close();
        }
    });
    answer.start(10);
    enter(window, typed);
    if (trigger == "Calculate")
        QTest::mouseClick(find(window, trigger), Qt::LeftButton);
    else
        QTest::keyClick(find(window, trigger), Qt::Key_Return);
    QCOMPARE(results(window), shown);
    QCOMPARE(boxes, warned ? QStringList({"Invalid Input",
                                          "The tree spacing you entered is not valid", "1"})
                           : QStringList());
}

// The preview, modal over the window, hands its printer to the page: saved as a PDF here.
// A field edited after calculating prints as typed beside the earlier results.
void TestWindow::previewPrintsWhatTheWindowShows()
{
    Pelmora window;
    QTest::keyClicks(find(window, "Orchard or Block Name:"), "North Block");
    enter(window, {"12", "400", "10", "20"});
    QTest::mouseClick(find(window, "Calculate"), Qt::LeftButton);
    QTest::keyClicks(find(window, "Tree Spacing Within Rows (ft):"), "5");
    const QStringList before = screen(window);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("North Block.pdf");
    int pages = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (preview && preview->parentWidget() == &window) {
            auto *view = preview->findChild<QPrintPreviewWidget *>();
            pages = view->pageCount();
            preview->printer()->setOutputFileName(pdf);
            view->print();
            preview->close();
        }
    });
    poll.start(10);
    QTest::mouseClick(find(window, "Print Preview"), Qt::LeftButton);
    QCOMPARE(pages, 1);
    QCOMPARE(screen(window), before);

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    QStringList printed = QString::fromUtf8(pdftotext.readAllStandardOutput())
                              .split('\n', Qt::SkipEmptyParts).mid(7);
    for (QString &line : printed)
        line = line.trimmed();
    QCOMPARE(printed, QStringList({"Ochard Name: North Block", "Orchard Size (Acres): 12",
                                   "Dispensers Per Acre: 400",
                                   "Tree Spacing Within Rows (ft): 105",
                                   "Tree Spacing Between Rows (ft): 20", "Trees Per Acre: 218",
                                   "Dispensers Per Tree: 2",
                                   "Calculated Dispensers Per Acre Needed: 436",
                                   "Total Quantity of Dispensers Required: 5232",
                                   ""})); // the one page's end
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
