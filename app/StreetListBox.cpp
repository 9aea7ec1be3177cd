#include "app/StreetListBox.h"

#include <QMouseEvent>

QItemSelectionModel::SelectionFlags StreetListBox::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void StreetListBox::mousePressEvent(QMouseEvent* event)
{
    m_mouseDown = true;
    QListWidget::mousePressEvent(event);
}

void StreetListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    const bool wasDown = m_mouseDown;
    m_mouseDown = false;
    if (wasDown && itemAt(event->position().toPoint()))
        emit itemChosen();
}

void StreetListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListWidget::selectionChanged(selected, deselected);
    if (!m_mouseDown && !selectedItems().isEmpty())
        emit itemChosen();
}
