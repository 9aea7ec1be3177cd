#include "reference/PostalTree.h"

#include "base/AppError.h"
#include "reference/PostalTreeFile.h"

#include <QResource>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
const QString kResourcePath = QStringLiteral(":/data/reference/postal-tree.bin");
} // namespace

// Links nodes appended in display order to their parents and siblings; the
// children lists are laid out at the end from the counts.
class PostalTree::Builder {
public:
    explicit Builder(PostalTree& tree) : m_tree(tree) {}

    void append(int textStart, int textLength, int depth)
    {
        if (depth > int(m_lastAtDepth.size()))
            throw AppError(QStringLiteral("Invalid level (%1) for item \"%2\"")
                               .arg(depth)
                               .arg(m_tree.m_texts.mid(textStart, textLength)));
        const int index = int(m_tree.m_nodes.size());
        const int parent = depth == 0 ? kNoNode : m_lastAtDepth[depth - 1];
        int row;
        if (parent == kNoNode) {
            row = int(m_tree.m_topLevel.size());
            m_tree.m_topLevel.push_back(index);
        } else {
            row = m_tree.m_nodes[parent].childCount++;
        }
        m_tree.m_nodes.push_back({textStart, textLength, parent, depth, row, 0, 0});
        m_lastAtDepth.resize(depth + 1);
        m_lastAtDepth[depth] = index;
    }

    void finish()
    {
        int slot = 0;
        for (Node& node : m_tree.m_nodes) {
            node.firstChildSlot = slot;
            slot += node.childCount;
        }
        m_tree.m_childSlots.resize(std::size_t(slot));
        for (int i = 0; i < int(m_tree.m_nodes.size()); ++i) {
            const Node& node = m_tree.m_nodes[i];
            if (node.parent != kNoNode)
                m_tree.m_childSlots[m_tree.m_nodes[node.parent].firstChildSlot + node.row] = i;
        }
    }

private:
    PostalTree& m_tree;
    std::vector<int> m_lastAtDepth;
};

PostalTree PostalTree::fromResource()
{
    const QResource resource(kResourcePath);
    if (!resource.isValid())
        throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(kResourcePath));
    // Embedded uncompressed, so the bytes are read in place.
    const QByteArray bytes = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()))
        : resource.uncompressedData();
    return fromEmbedded(bytes);
}

PostalTree PostalTree::fromEmbedded(const QByteArray& bytes)
{
    const auto invalid = [] { return AppError(QStringLiteral("Postal index data is not valid")); };
    if (bytes.size() < 12 || std::memcmp(bytes.constData(), PostalTreeFile::kMagic, 4) != 0)
        throw invalid();
    const char* data = bytes.constData();
    const quint32 count = qFromLittleEndian<quint32>(data + 4);
    const quint32 textLength = qFromLittleEndian<quint32>(data + 8);
    const qsizetype depthsAt = 12;
    const qsizetype offsetsAt = depthsAt + ((qsizetype(count) + 3) / 4) * 4;
    const qsizetype textAt = offsetsAt + (qsizetype(count) + 1) * 4;
    if (bytes.size() != textAt + qsizetype(textLength) * 2)
        throw invalid();

    PostalTree tree;
    tree.m_texts.resize(textLength);
    // The text is stored in the platform's own byte order; copying it needs no
    // decoding and suits any alignment of the embedded bytes.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the embedded text is UTF-16LE");
    std::memcpy(tree.m_texts.data(), data + textAt, std::size_t(textLength) * 2);
    tree.m_nodes.reserve(count);
    Builder builder(tree);
    quint32 start = qFromLittleEndian<quint32>(data + offsetsAt);
    for (quint32 i = 0; i < count; ++i) {
        const quint32 end = qFromLittleEndian<quint32>(data + offsetsAt + (i + 1) * 4);
        if (end < start || end > textLength)
            throw invalid();
        builder.append(int(start), int(end - start), quint8(data[depthsAt + i]));
        start = end;
    }
    builder.finish();
    return tree;
}

PostalTree PostalTree::fromOutline(const QByteArray& utf8)
{
    PostalTree tree;
    tree.m_texts = QString::fromUtf8(utf8);
    const QChar* chars = tree.m_texts.constData();
    const int total = int(tree.m_texts.size());
    Builder builder(tree);
    int lineStart = 0;
    while (lineStart < total) {
        int lineEnd = lineStart;
        while (lineEnd < total && chars[lineEnd] != QLatin1Char('\n'))
            ++lineEnd;
        int textEnd = lineEnd;
        if (textEnd > lineStart && chars[textEnd - 1] == QLatin1Char('\r'))
            --textEnd;
        int textStart = lineStart;
        while (textStart < textEnd && chars[textStart] == QLatin1Char('\t'))
            ++textStart;
        if (textStart < textEnd)
            builder.append(textStart, textEnd - textStart, textStart - lineStart);
        lineStart = lineEnd + 1;
    }
    builder.finish();
    return tree;
}

QStringView PostalTree::text(int node) const
{
    const Node& n = m_nodes[node];
    return QStringView(m_texts).mid(n.textStart, n.textLength);
}

int PostalTree::childCount(int node) const
{
    return node == kNoNode ? int(m_topLevel.size()) : m_nodes[node].childCount;
}

int PostalTree::child(int node, int row) const
{
    if (row < 0 || row >= childCount(node))
        return kNoNode;
    return node == kNoNode ? m_topLevel[row] : m_childSlots[m_nodes[node].firstChildSlot + row];
}

int PostalTree::nodeAtPosition(qsizetype position, int first) const
{
    const auto after = std::upper_bound(m_nodes.begin() + first, m_nodes.end(), position,
                                        [](qsizetype p, const Node& n) { return p < n.textStart; });
    return int(after - m_nodes.begin()) - 1;
}

int findTreeNode(const PostalTree& tree, QStringView needle, int start)
{
    start = qMax(start, 0);
    if (needle.isEmpty() || start >= tree.size())
        return PostalTree::kNoNode;
    // One search through the texts of all the remaining nodes instead of one per
    // node; a hit that runs over the end of a node's text is no match, and the
    // search goes on from the character after it.
    const QStringView all = tree.allTexts();
    qsizetype from = tree.textPosition(start);
    while (true) {
        const qsizetype hit = all.indexOf(needle, from);
        if (hit < 0)
            return PostalTree::kNoNode;
        const int node = tree.nodeAtPosition(hit, start);
        if (hit + needle.size() <= tree.textPosition(node) + tree.text(node).size())
            return node;
        from = hit + 1;
    }
}

QString postalNodePath(const PostalTree& tree, int node)
{
    QString path = tree.text(node).toString();
    for (int p = tree.parent(node); p != PostalTree::kNoNode; p = tree.parent(p))
        path.prepend(tree.text(p).toString() + QStringLiteral(" - "));
    return path;
}
