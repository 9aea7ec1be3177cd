#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <vector>

// The embedded form of the postal tree, made at build time from the committed
// outline so that start-up neither decompresses nor decodes text:
//   "TPT1", node count N, text length T (UTF-16 code units), all 32-bit LE;
//   N depth bytes, zero padding to a multiple of 4;
//   N + 1 text offsets (32-bit LE, in code units; node i is [off[i], off[i+1]));
//   T code units of UTF-16LE text.
namespace PostalTreeFile {

inline constexpr char kMagic[4] = {'T', 'P', 'T', '1'};

struct Node {
    int depth;
    QString text;
};

inline QByteArray encode(const std::vector<Node>& nodes)
{
    QByteArray out;
    const auto put32 = [&out](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        out.append(bytes, 4);
    };
    quint32 textLength = 0;
    for (const Node& node : nodes)
        textLength += quint32(node.text.size());
    out.append(kMagic, 4);
    put32(quint32(nodes.size()));
    put32(textLength);
    for (const Node& node : nodes)
        out.append(char(node.depth));
    while (out.size() % 4 != 0)
        out.append('\0');
    quint32 offset = 0;
    for (const Node& node : nodes) {
        put32(offset);
        offset += quint32(node.text.size());
    }
    put32(offset);
    for (const Node& node : nodes) {
        for (QChar c : node.text) {
            char bytes[2];
            qToLittleEndian(quint16(c.unicode()), bytes);
            out.append(bytes, 2);
        }
    }
    return out;
}

} // namespace PostalTreeFile
