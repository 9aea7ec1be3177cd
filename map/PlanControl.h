#pragma once

#include <QPixmap>
#include <QWidget>

// The overview plan: a fixed small picture of the whole town, stretched to the
// control. It shows no mark of the current view; it only reports the mouse.
class PlanControl : public QWidget {
    Q_OBJECT
public:
    explicit PlanControl(QWidget* parent = nullptr);

signals:
    void mousePressed(Qt::MouseButton button, QPoint at);
    void mouseMoved(QPoint at);
    void mouseReleased(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
};
