#include "map/LandmarkMarkers.h"

#include "base/AppError.h"
#include "map/AndStretch.h"
#include "map/MapBitmap.h"
#include "map/SpriteSheet.h"
#include "map/TsvTable.h"

namespace {

const QStringList kMarkerHeader{"code", "sprite", "left", "top", "right", "bottom"};

} // namespace

QRect spriteRect(QChar letter)
{
    switch (letter.unicode()) {
    case u'A': return QRect(QPoint(1, 1), QPoint(39, 39));
    case u'B': return QRect(QPoint(50, 1), QPoint(89, 39));
    case u'C': return QRect(QPoint(100, 1), QPoint(139, 44));
    default: return {};
    }
}

MarkerTable MarkerTable::fromTsv(const QByteArray& utf8)
{
    const QString name = QStringLiteral("markers.tsv");
    const TsvTable tsv = parseTsv(utf8, name, kMarkerHeader);
    MarkerTable table;
    int line = 2;
    for (const QStringList& r : tsv.rows) {
        const QRect sprite = r[1].size() == 1 ? spriteRect(r[1][0]) : QRect();
        if (sprite.isNull())
            throw AppError(QStringLiteral("%1, line %2: unknown sprite \"%3\"").arg(name).arg(line).arg(r[1]));
        const QPoint topLeft(tsvInt(r[2], name, line), tsvInt(r[3], name, line));
        const QPoint bottomRight(tsvInt(r[4], name, line), tsvInt(r[5], name, line));
        if (bottomRight.x() <= topLeft.x() || bottomRight.y() <= topLeft.y())
            throw AppError(QStringLiteral("%1, line %2: empty destination").arg(name).arg(line));
        table.m_markers.push_back({r[0], sprite, QRect(topLeft, bottomRight - QPoint(1, 1))});
        ++line;
    }
    return table;
}

MarkerTable MarkerTable::load()
{
    return fromTsv(readResourceBytes(QStringLiteral(":/data/landmarks/markers.tsv")));
}

QPoint backgroundOffset(const Marker& marker)
{
    return marker.destination.topLeft() - marker.sprite.topLeft() + QPoint(1, 1);
}

void drawMarker(MapBitmap& map, QImage sheet, const Marker& marker)
{
    const QRect sprite = marker.sprite;
    if (!sheet.rect().contains(sprite))
        throw AppError(QStringLiteral("Bitmap image is not valid"));
    const QPoint offset = backgroundOffset(marker);
    for (int y = sprite.top(); y <= sprite.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        for (int x = sprite.left(); x <= sprite.right(); ++x) {
            const QPoint beneath(x + offset.x(), y + offset.y());
            if ((line[x] | 0xFF000000) == kMarkerKeyColour && map.contains(beneath.x(), beneath.y()))
                line[x] = map.colorAt(beneath.x(), beneath.y());
        }
    }

    const QRect to = marker.destination;
    for (int dy = 0; dy < to.height(); ++dy) {
        const StretchSpan rows = stretchSpan(dy, sprite.height(), to.height());
        for (int dx = 0; dx < to.width(); ++dx) {
            const StretchSpan columns = stretchSpan(dx, sprite.width(), to.width());
            QRgb merged = 0xFFFFFFFF;
            for (int sy = rows.begin; sy < rows.end; ++sy) {
                const auto* line = reinterpret_cast<const QRgb*>(sheet.constScanLine(sprite.top() + sy));
                for (int sx = columns.begin; sx < columns.end; ++sx)
                    merged &= line[sprite.left() + sx];
            }
            const QPoint at = to.topLeft() + QPoint(dx, dy);
            if (map.contains(at.x(), at.y()))
                map.set(at.x(), at.y(), map.nearestIndex(merged));
        }
    }
}

void DrawLandmarkMarkers(MapBitmap& map, const MarkerTable& table, const QString& sheetPath)
{
    const QImage sheet = loadSheetBitmap(sheetPath);
    for (const Marker& marker : table.markers())
        drawMarker(map, sheet, marker);
}
