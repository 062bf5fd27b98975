// Windows only: each result of the form is read with its meaning. Qt's UI Automation provider
// carries no label relation, so a result would be read as a bare number ("218"); here its name
// is its row's label and its text ("Trees Per Acre: 218"), computed whenever a screen reader
// asks. Empty, it keeps Qt's own name, its label's text. On Linux, AT-SPI carries the relation,
// and a screen reader would hear the label twice, so this file is built for Windows alone.

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace {

// The label whose buddy WIDGET is, among its siblings; a form row's label has its field as buddy.
QLabel *LabelOf(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (parent == nullptr)
        return nullptr;
    for (QLabel *label : parent->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == widget)
            return label;
    }
    return nullptr;
}

class LabelledResult : public QAccessibleWidget
{
public:
    explicit LabelledResult(QLabel *result) : QAccessibleWidget(result, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        const auto *result = static_cast<QLabel *>(widget());
        const QLabel *label = LabelOf(result);
        const bool unnamed = t == QAccessible::Name && result->accessibleName().isEmpty();
        if (unnamed && label != nullptr && !result->text().isEmpty())
            return label->text() + QLatin1Char(' ') + result->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *LabelledResults(const QString & /*className*/, QObject *object)
{
    auto *result = qobject_cast<QLabel *>(object);
    if (result != nullptr && LabelOf(result) != nullptr)
        return new LabelledResult(result);
    return nullptr;
}

// Qt installs the factory for its own widgets at the end of setting up QApplication, after the
// start-up functions ran, and the factory installed last is asked first: this one is installed
// as the first widget is made, before any widget's interface exists.
class FirstWidget : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject * /*watched*/, QEvent *event) override
    {
        if (event->type() == QEvent::Create) {
            QAccessible::installFactory(LabelledResults);
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

void InstallLabelledResults()
{
    QCoreApplication::instance()->installEventFilter(
        new FirstWidget(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallLabelledResults)
