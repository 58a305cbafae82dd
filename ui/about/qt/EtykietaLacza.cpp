#include "EtykietaLacza.h"

#include <QMouseEvent>

// QWidget hands the second press of a double click here as well.
void EtykietaLacza::mousePressEvent(QMouseEvent *event)
{
    wcisnieta_ = event->button() == Qt::LeftButton;
    event->setAccepted(wcisnieta_);
}

// A press dragged off the label before its release is no click, as on a push button.
void EtykietaLacza::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const bool klikniecie = wcisnieta_ && rect().contains(event->position().toPoint());
    wcisnieta_ = false;
    if (klikniecie)
        emit klik();
}
