#include "Schemat.h"

#include <QPainter>

Schemat::Schemat(const QString &plik, QWidget *parent) : QFrame(parent), renderer_(plik)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

// Drawn in the window's own pixels. At a fractional scale factor the box's edges fall between
// device pixels, and a one-pixel line drawn in the box's coordinates may land outside the
// pixels the box is clipped to (the bottom line vanished at 1.25) or under the drawing beside
// it. The pixels the box covers are its edges rounded, as the window clips it; the border is
// the outermost ring of them, and the drawing fills the rest.
void Schemat::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QTransform doUrzadzenia = painter.deviceTransform();
    const QRectF ulamkowy = doUrzadzenia.mapRect(QRectF(rect()));
    const QRect piksele(QPoint(qRound(ulamkowy.left()), qRound(ulamkowy.top())),
                        QPoint(qRound(ulamkowy.right()) - 1, qRound(ulamkowy.bottom()) - 1));
    painter.setWorldTransform(doUrzadzenia.inverted());

    const int ramka = frameShape() == QFrame::NoFrame ? 0 : 1;
    const QRect rysunek = piksele.adjusted(ramka, ramka, -ramka, -ramka);
    if (ramka != 0)
        painter.fillRect(piksele, Qt::black); // the paper's edge, in every scheme
    painter.fillRect(rysunek, Qt::white);     // a drawing on paper, whatever the scheme
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, rysunek);
}
