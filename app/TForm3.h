#pragma once

#include <QTimer>
#include <QWidget>

// The splash window shown while the main window loads the map. It refuses to be
// closed until its timer has ticked once; start-up destroys it when it is done.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    bool closeAllowed() const { return !m_timer.isActive(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer m_timer;
    QPixmap m_picture;
};
