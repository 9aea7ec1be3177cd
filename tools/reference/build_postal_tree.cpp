// Writes the embedded form of the postal index tree from its committed outline:
//   build_postal_tree POSTAL_TREE_TXT OUTPUT_BIN
// The outline has one node per line in display order, one leading tab per
// level. The same outline gives the same bytes.
#include "reference/PostalTreeFile.h"

#include <QFile>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: build_postal_tree POSTAL_TREE_TXT OUTPUT_BIN\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "build_postal_tree: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<PostalTreeFile::Node> nodes;
    int previousDepth = -1;
    int lineNumber = 0;
    for (QString line : QString::fromUtf8(input.readAll()).split(QLatin1Char('\n'))) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        int depth = 0;
        while (depth < line.size() && line[depth] == QLatin1Char('\t'))
            ++depth;
        if (depth > previousDepth + 1 || depth > 255 || depth == line.size()) {
            std::fprintf(stderr, "build_postal_tree: line %d cannot be placed in the tree\n", lineNumber);
            return 1;
        }
        nodes.push_back({depth, line.mid(depth)});
        previousDepth = depth;
    }
    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    QFile output(outputPath + QStringLiteral(".part"));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || output.write(PostalTreeFile::encode(nodes)) < 0 || !output.flush()) {
        std::fprintf(stderr, "build_postal_tree: cannot write %s\n", argv[2]);
        return 1;
    }
    output.close();
    QFile::remove(outputPath);
    if (!output.rename(outputPath)) {
        std::fprintf(stderr, "build_postal_tree: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
