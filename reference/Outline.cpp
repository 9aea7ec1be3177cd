#include "reference/Outline.h"

#include "base/AppError.h"
#include "reference/AlphabeticOrder.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>

QList<OutlineNode> parseOutline(const QString& text)
{
    QList<OutlineNode> nodes;
    int previousDepth = -1;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        int depth = 0;
        while (depth < line.size() && (line[depth] == QLatin1Char('\t') || line[depth] == QLatin1Char(' ')))
            ++depth;
        if (depth > previousDepth + 1)
            throw AppError(QStringLiteral("Invalid level (%1) for item \"%2\"").arg(depth).arg(line.mid(depth)));
        nodes.append({depth, line.mid(depth).toString()});
        previousDepth = depth;
    }
    return nodes;
}

QList<OutlineNode> readOutlineFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return parseOutline(QString::fromUtf8(file.readAll()));
}

void fillTree(QTreeWidget* tree, const QList<OutlineNode>& outline)
{
    tree->clear();
    QList<QTreeWidgetItem*> lastAtDepth;
    for (const OutlineNode& node : outline) {
        QTreeWidgetItem* item = node.depth == 0 ? new QTreeWidgetItem(tree)
                                                : new QTreeWidgetItem(lastAtDepth[node.depth - 1]);
        item->setText(0, node.text);
        lastAtDepth.resize(node.depth + 1);
        lastAtDepth[node.depth] = item;
    }
    // Siblings are listed alphabetically whatever the order of the lines.
    const auto sortChildren = [](auto&& self, QTreeWidgetItem* parent) -> void {
        QList<QTreeWidgetItem*> children = parent->takeChildren();
        std::stable_sort(children.begin(), children.end(), [](QTreeWidgetItem* a, QTreeWidgetItem* b) {
            return AlphabeticOrder::less(a->text(0), b->text(0));
        });
        parent->addChildren(children);
        for (QTreeWidgetItem* child : std::as_const(children))
            self(self, child);
    };
    sortChildren(sortChildren, tree->invisibleRootItem());
}
