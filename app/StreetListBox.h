#pragma once

#include <QListWidget>

// The main window's street list: one item selected at most, as a list box of
// the window system keeps it. It reports every choice of the user as
// itemChosen(): each click on an item, the selected one included (a plain
// list view says nothing when the selection does not change), and each change
// of the selection by the keys. A Ctrl+click or Ctrl+Space never takes the
// selection away. Selections made by the program with the list's signals
// blocked report nothing.
class StreetListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

signals:
    void itemChosen();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    // From the press of a button to its release the selection follows the
    // mouse; the release reports the choice once.
    bool m_mouseDown = false;
};
