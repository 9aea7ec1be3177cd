#include "reference/Outline.h"
#include "tests/fuzz/FuzzLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& utf8) {
        const QList<OutlineNode> outline = parseOutline(QString::fromUtf8(utf8));
        // The tree is filled by attaching each node below the last one a level
        // up, which needs every level to follow the one before by at most one.
        int previous = -1;
        for (const OutlineNode& node : outline) {
            if (node.depth < 0 || node.depth > previous + 1)
                std::abort();
            previous = node.depth;
        }
    });
}
