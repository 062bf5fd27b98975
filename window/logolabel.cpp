#include "logolabel.h"

#include <QImageReader>
#include <QPixmap>

namespace {
constexpr int logoHeight = 60;
const char logoFile[] = ":/logo/Worm.svg";
} // namespace

LogoLabel::LogoLabel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    Draw(devicePixelRatioF());
}

void LogoLabel::paintEvent(QPaintEvent *event)
{
    // Painting is where a move to a screen of another scale shows, in Qt 5 and Qt 6 alike.
    if (drawnRatio != 0 && drawnRatio != devicePixelRatioF())
        Draw(devicePixelRatioF());
    QLabel::paintEvent(event);
}

void LogoLabel::Draw(qreal ratio)
{
    QImageReader reader(QString::fromLatin1(logoFile));
    const QSize drawn = reader.size();
    if (drawn.isEmpty())
        return;
    const qreal width = drawn.width() * qreal(logoHeight) / drawn.height();
    reader.setScaledSize(QSize(qRound(width * ratio), qRound(logoHeight * ratio)));
    QPixmap logo = QPixmap::fromImage(reader.read());
    if (logo.isNull())
        return;
    logo.setDevicePixelRatio(ratio);
    setPixmap(logo);
    drawnRatio = ratio;
}
