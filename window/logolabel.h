#ifndef LOGOLABEL_H
#define LOGOLABEL_H

#include <QLabel>

// The logo, 60 pixels high on screen whatever the display's scale, drawn from its SVG for the
// screen's own pixels: sharp at 100 and at 200 percent, and drawn again when the window moves
// to a screen of another scale. Without the resource or the SVG plug-in it stays empty.
class LogoLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LogoLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Draw(qreal ratio);

    qreal drawnRatio = 0; // the device pixel ratio the logo was drawn for; 0 if it was not
};

#endif // LOGOLABEL_H
