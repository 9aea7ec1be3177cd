#include "reference/PostalTreeModel.h"

QModelIndex PostalTreeModel::indexOfNode(int node) const
{
    if (node < 0 || node >= m_tree.size())
        return {};
    return createIndex(m_tree.row(node), 0, quintptr(node));
}

int PostalTreeModel::nodeOf(const QModelIndex& index)
{
    return index.isValid() ? int(index.internalId()) : PostalTree::kNoNode;
}

QModelIndex PostalTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || (parent.isValid() && parent.column() != 0))
        return {};
    const int node = m_tree.child(nodeOf(parent), row);
    return node == PostalTree::kNoNode ? QModelIndex() : createIndex(row, 0, quintptr(node));
}

QModelIndex PostalTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    return indexOfNode(m_tree.parent(nodeOf(child)));
}

int PostalTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return m_tree.childCount(nodeOf(parent));
}

int PostalTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

bool PostalTreeModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant PostalTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return m_tree.text(nodeOf(index)).toString();
}

Qt::ItemFlags PostalTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
