// The postal index window's figures: the search that runs through the whole
// tree without finding anything, and building the tree at start-up.
#include "bench/BenchTable.h"

#include "reference/PostalFinder.h"
#include "reference/PostalTree.h"

#include <string_view>

namespace {

// No postal node holds Latin letters, so this needle is looked for in every text.
const QString kMissing = QStringLiteral("Zzq");

const PostalTree& benchTree()
{
    static const PostalTree tree = PostalTree::fromResource();
    return tree;
}

void FindTreeNode(benchmark::State& state)
{
    const PostalTree& tree = benchTree();
    PostalFinder finder(tree);
    for (auto _ : state) {
        const int node = finder.find(kMissing, QString());
        benchmark::DoNotOptimize(node);
    }
    if (findTreeNode(tree, kMissing, 0) != PostalTree::kNoNode)
        state.SkipWithError("the needle was found");
}

// The same texts searched by the standard library's substring search.
void FindTreeNodeStringView(benchmark::State& state)
{
    const PostalTree& tree = benchTree();
    const std::u16string_view needle(reinterpret_cast<const char16_t*>(kMissing.utf16()), kMissing.size());
    for (auto _ : state) {
        int found = PostalTree::kNoNode;
        for (int i = 0; i < tree.size(); ++i) {
            const QStringView text = tree.text(i);
            const std::u16string_view haystack(reinterpret_cast<const char16_t*>(text.utf16()), text.size());
            if (haystack.find(needle) != std::u16string_view::npos) {
                found = i;
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}

void BuildPostalTree(benchmark::State& state)
{
    for (auto _ : state) {
        PostalTree tree = PostalTree::fromResource();
        benchmark::DoNotOptimize(tree.size());
    }
}

} // namespace

void registerReferenceBenchmarks()
{
    withMedian(benchmark::RegisterBenchmark("FindTreeNode", FindTreeNode));
    withMedian(benchmark::RegisterBenchmark("FindTreeNodeStringView", FindTreeNodeStringView));
    withMedian(benchmark::RegisterBenchmark("BuildPostalTree", BuildPostalTree));

    BenchTable& t = BenchTable::instance();
    t.addRow({"FindTreeNode, full scan, no match vs u16string_view", "FindTreeNode", "FindTreeNodeStringView", 1.5, 0});
    t.addRow({"Building the postal tree (fromResource)", "BuildPostalTree", "", 0, 30});
}
