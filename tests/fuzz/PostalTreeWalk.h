#pragma once

#include "reference/PostalTree.h"

#include <cstdlib>

// Visits the tree the way the postal window's model and search do and checks
// that parents, rows and children agree: a loaded tree that contradicts itself
// sends the view to the wrong node or out of the arrays.
inline void walkPostalTree(const PostalTree& tree)
{
    int seen = 0;
    for (int parent = PostalTree::kNoNode; parent < tree.size(); ++parent) {
        for (int row = 0; row < tree.childCount(parent); ++row) {
            const int node = tree.child(parent, row);
            if (node < 0 || node >= tree.size() || tree.parent(node) != parent || tree.row(node) != row)
                std::abort();
            ++seen;
        }
    }
    if (seen != tree.size())
        std::abort();
    if (tree.size() > 0) {
        const int last = tree.size() - 1;
        postalNodePath(tree, last);
        findTreeNode(tree, tree.text(last), 0);
    }
}
