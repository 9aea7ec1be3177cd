#include "map/PlanControl.h"

#include <QMouseEvent>
#include <QPainter>

PlanControl::PlanControl(QWidget* parent)
    : QWidget(parent), m_picture(QStringLiteral(":/map/plan.bmp"))
{
}

void PlanControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawPixmap(rect(), m_picture);
}

void PlanControl::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event->button(), event->position().toPoint());
}

void PlanControl::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event->position().toPoint());
}

void PlanControl::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event->button(), event->position().toPoint());
}
