#pragma once

#include <QWidget>

class QToolButton;

// A record navigator: flat buttons, in this order, for the first, prior, next
// and last row, inserting a row, deleting the current row and posting the
// edits. It only reports presses; the window that owns the table acts on them.
class NavigatorBar : public QWidget {
    Q_OBJECT
public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Post, ButtonCount };

    explicit NavigatorBar(QWidget* parent = nullptr);

    QToolButton* button(Button which) const { return m_buttons[which]; }

signals:
    void clicked(NavigatorBar::Button which);

private:
    QToolButton* m_buttons[ButtonCount] = {};
};
