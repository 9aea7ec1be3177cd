#pragma once

#include <QList>
#include <QString>

class QTreeWidget;

// One line of a tree outline: the node's level and its text.
struct OutlineNode {
    int depth;
    QString text;
};

// Reads an outline: one node per line, each leading tab or blank putting the
// node one level deeper. Empty lines are skipped. A line more than one level
// deeper than the line before it cannot be placed: AppError.
QList<OutlineNode> parseOutline(const QString& text);

// The outline of a text file (UTF-8); AppError with the file's reason when it
// cannot be read.
QList<OutlineNode> readOutlineFile(const QString& path);

// Replaces the whole tree with the outline, siblings in alphabetical order.
void fillTree(QTreeWidget* tree, const QList<OutlineNode>& outline);
