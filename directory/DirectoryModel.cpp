#include "directory/DirectoryModel.h"

int DirectoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant DirectoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumns) {
        static const QString captions[kColumns] = {QStringLiteral("Телефон"), QStringLiteral("Фамилия И.О."),
                                                   QStringLiteral("Адрес"), QStringLiteral("Коментарии")};
        return captions[section];
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return QVariant();
    return QSqlQueryModel::headerData(section, orientation, role);
}

Qt::ItemFlags DirectoryModel::flags(const QModelIndex& index) const
{
    return QSqlQueryModel::flags(index) & ~Qt::ItemIsEditable;
}
