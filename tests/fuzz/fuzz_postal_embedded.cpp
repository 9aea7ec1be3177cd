#include "reference/PostalTree.h"
#include "tests/fuzz/PostalTreeWalk.h"
#include "tests/fuzz/FuzzLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return runLoader(data, size, [](const QByteArray& bytes) { walkPostalTree(PostalTree::fromEmbedded(bytes)); });
}
