#include "app/ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
    // Moves are reported with no button held, as the links' colours follow the mouse.
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    // Taken here, so that the release comes back to this control.
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    // A click is a left press and release over the control.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    emit mouseLeft();
}
