#include "map/StreetLabels.h"

#include "map/RotatedText.h"
#include "map/TsvTable.h"

namespace {
const QStringList kLabelHeader{"street", "x", "y", "angle", "text"};
} // namespace

StreetLabelTable StreetLabelTable::fromTsv(const QByteArray& utf8)
{
    const QString name = QStringLiteral("labels.tsv");
    const TsvTable tsv = parseTsv(utf8, name, kLabelHeader);
    StreetLabelTable table;
    int line = 2;
    for (const QStringList& r : tsv.rows) {
        table.m_placements.push_back(
            {tsvInt(r[0], name, line), tsvInt(r[1], name, line), tsvInt(r[2], name, line), tsvInt(r[3], name, line), r[4]});
        ++line;
    }
    return table;
}

StreetLabelTable StreetLabelTable::load()
{
    return fromTsv(readResourceBytes(QStringLiteral(":/data/streets/labels.tsv")));
}

void DrawStreetLabels(MapBitmap& map, const StreetLabelTable& table, std::uint32_t street, std::uint32_t colour)
{
    if (street < 1 || street > 83)
        return;
    for (const LabelPlacement& p : table.placements()) {
        if (p.street == int(street))
            DrawRotatedText(map, p.x, p.y, p.angle, p.text, std::uint16_t(colour & 0xFFFF));
    }
}
