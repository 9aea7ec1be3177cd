#pragma once

#include <QLabel>

// A label, or a picture, that reports the mouse moving over it, leaving it and
// clicking it, as the About window's links and the banners need.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();
    void mouseMoved();
    void mouseLeft();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
