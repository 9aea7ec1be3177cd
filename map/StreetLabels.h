#pragma once

#include <QString>

#include <cstdint>
#include <vector>

class MapBitmap;

// One label of a street: where its first character cell's top-left corner
// lies, the angle of its baseline, and its text exactly as drawn.
struct LabelPlacement {
    int street = 0;
    int x = 0;
    int y = 0;
    int angle = 0;
    QString text;
};

// The 151 label placements of the 83 streets, grouped by street in drawing order.
class StreetLabelTable {
public:
    static StreetLabelTable fromTsv(const QByteArray& utf8);
    static StreetLabelTable load();

    const std::vector<LabelPlacement>& placements() const { return m_placements; }

private:
    std::vector<LabelPlacement> m_placements;
};

// Draws every label of a street in the colour (0x00BBGGRR); a street outside
// 1..83, 0 included, draws nothing.
void DrawStreetLabels(MapBitmap& map, const StreetLabelTable& table, std::uint32_t street, std::uint32_t colour);
