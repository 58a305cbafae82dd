#include "Schemat.h"

#include <QPainter>

Schemat::Schemat(const QString &plik, QWidget *parent) : QFrame(parent), renderer_(plik)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void Schemat::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white); // a drawing on paper, whatever the scheme
    renderer_.render(&painter, contentsRect());
}
