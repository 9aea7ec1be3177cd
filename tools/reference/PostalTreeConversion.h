#pragma once

#include <QString>

// Converts the post office list into the postal index tree: regions (and
// autonomous areas) at the top, their districts below, localities as leaves,
// every text in capitals and every indexed node written "NAME - INDEX". The tree
// is written as an outline, one node per line in display order, each level one
// tab deeper. Throws std::runtime_error on data it cannot place.
void convertPostalTree(const QString& pindxPath, const QString& outputPath);
