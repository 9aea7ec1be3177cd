#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

// The postal index tree as one flat array in display order: every node followed
// by its whole subtree, siblings in the order shown. Each node knows its parent,
// its position among its siblings and its children, so a model can answer the
// view in constant time and a search steps from one node to the next by
// incrementing a position. The texts share one string; nothing is allocated per
// node, which keeps the start-up load short.
class PostalTree {
public:
    static constexpr int kNoNode = -1;

    // Parses an outline: one node per line in display order, the number of
    // leading tabs giving the level. Throws AppError on a line that skips a level.
    static PostalTree fromOutline(const QByteArray& utf8);
    // Reads the embedded form written by the build (PostalTreeFile.h).
    static PostalTree fromEmbedded(const QByteArray& bytes);
    // The tree embedded in the program.
    static PostalTree fromResource();

    int size() const { return int(m_nodes.size()); }
    QStringView text(int node) const;
    int parent(int node) const { return m_nodes[node].parent; }
    int depth(int node) const { return m_nodes[node].depth; }
    // Position of the node among its parent's children (or among the top level).
    int row(int node) const { return m_nodes[node].row; }
    // Children of a node; kNoNode stands for the invisible root above the top level.
    int childCount(int node) const;
    int child(int node, int row) const;

    // All node texts in one buffer, in display order: a node's text starts at
    // textPosition(node), and what lies between two texts belongs to neither.
    QStringView allTexts() const { return m_texts; }
    qsizetype textPosition(int node) const { return m_nodes[node].textStart; }
    // The last node from `first` on whose text starts at or before `position`.
    int nodeAtPosition(qsizetype position, int first) const;

private:
    class Builder;
    struct Node {
        int textStart;
        int textLength;
        int parent;
        int depth;
        int row;
        int firstChildSlot;
        int childCount;
    };
    QString m_texts;
    std::vector<Node> m_nodes;
    std::vector<int> m_childSlots; // children of every node, grouped by parent
    std::vector<int> m_topLevel;
};

// The first position from `start` on, in display order, whose text contains
// `needle` exactly (case-sensitive, untrimmed); kNoNode when there is none or the
// needle is empty. The search does not wrap around.
int findTreeNode(const PostalTree& tree, QStringView needle, int start);

// The texts of a node's ancestors from the top level down and its own, joined
// by " - ": what the path label shows for a found node.
QString postalNodePath(const PostalTree& tree, int node);
