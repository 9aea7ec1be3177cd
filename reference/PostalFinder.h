#pragma once

#include "reference/PostalTree.h"

#include <QString>

// The search state of the postal index window, kept between openings: the
// display-order position of the node found last (LastFoundIndex) and the path
// text that the window's path label shows.
class PostalFinder {
public:
    explicit PostalFinder(const PostalTree& tree) : m_tree(tree) {}

    // The text searched for: the name field whenever it holds any character at
    // all, blanks included; otherwise the index field.
    static QString searchText(const QString& nameField, const QString& indexField)
    {
        return nameField.isEmpty() ? indexField : nameField;
    }

    // "Найти": searches from the first node. Returns the node found, or
    // PostalTree::kNoNode, in which case nothing changes.
    int find(const QString& nameField, const QString& indexField)
    {
        return findFrom(searchText(nameField, indexField), 0);
    }

    // "Наити далее": searches from the node after the last one found, so the
    // first node is never examined here.
    int findNext(const QString& nameField, const QString& indexField)
    {
        return findFrom(searchText(nameField, indexField), m_lastFoundIndex + 1);
    }

    // One search from `start`: on a match the node becomes the last one found
    // and, unless it is at the top level, its path replaces the path text.
    int findFrom(QStringView text, int start)
    {
        const int node = findTreeNode(m_tree, text, start);
        if (node == PostalTree::kNoNode)
            return node;
        m_lastFoundIndex = node;
        if (m_tree.depth(node) > 0)
            m_pathText = postalNodePath(m_tree, node);
        return node;
    }

    int lastFoundIndex() const { return m_lastFoundIndex; }
    const QString& pathText() const { return m_pathText; }

private:
    const PostalTree& m_tree;
    int m_lastFoundIndex = 0;
    QString m_pathText;
};
