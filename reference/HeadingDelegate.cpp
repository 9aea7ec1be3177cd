#include "reference/HeadingDelegate.h"

#include "reference/CityCodesTable.h"

#include <QLineEdit>
#include <QPainter>

namespace {
const QColor kHeadingFill(192, 192, 192);
constexpr int kFieldWidths[] = {30, 10, 5}; // Name, Kod, Id
} // namespace

void HeadingDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString id = index.siblingAtColumn(CityCodesTable::IdColumn).data().toString();
    if (!isHeadingCell(id, index.column()))
        return;
    painter->save();
    painter->fillRect(option.rect, kHeadingFill);
    QFont font = option.font;
    font.setBold(true);
    painter->setFont(font);
    painter->setPen(Qt::black);
    painter->setClipRect(option.rect);
    const QRect textRect = option.rect.adjusted(0, 2, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.siblingAtColumn(CityCodesTable::NameColumn).data().toString());
    painter->restore();
}

QWidget* HeadingDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && index.column() >= 0 && index.column() < 3)
        line->setMaxLength(kFieldWidths[index.column()]);
    return editor;
}
