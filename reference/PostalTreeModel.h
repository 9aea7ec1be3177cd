#pragma once

#include "reference/PostalTree.h"

#include <QAbstractItemModel>

// A read-only item model over the flat postal tree. An index's internal id is
// the node's display-order position; every answer is a constant-time look-up,
// so the view creates nothing for nodes it does not show.
class PostalTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit PostalTreeModel(const PostalTree& tree, QObject* parent = nullptr)
        : QAbstractItemModel(parent), m_tree(tree) {}

    QModelIndex indexOfNode(int node) const;
    static int nodeOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const PostalTree& m_tree;
};
