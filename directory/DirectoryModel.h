#pragma once

#include <QSqlQueryModel>

// The rows of DirectoryQuery as the grid DBGrid1 shows them: always the four
// columns "Телефон", "Фамилия И.О.", "Адрес", "Коментарии" (also while the
// query is closed and the grid empty); the row id that the selects carry as a
// fifth column stays out of sight. The first rows are fetched when the query
// opens, the rest as the grid needs them or as the directory view reads them
// in the background; the grid is read-only.
class DirectoryModel : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;

    static constexpr int kColumns = 4;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};
