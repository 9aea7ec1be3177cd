#pragma once

#include <QStyledItemDelegate>

// Draws the city codes grid: heading rows get a grey Name cell with the name in
// bold black; editors are limited to the width of their field.
class HeadingDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
