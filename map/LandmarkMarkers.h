#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

class MapBitmap;

// One marker: the landmark it marks, the sprite of the sheet it shows and the
// rectangle of the map it covers (right and bottom exclusive).
struct Marker {
    QString code;
    QRect sprite;
    QRect destination;
};

// The sprites of the sheet, by letter: A for the administration, B for the
// ordinary marker, C for the hospital.
QRect spriteRect(QChar letter);
// The pixel colour of the sheet that shows the map beneath a marker.
inline constexpr QRgb kMarkerKeyColour = 0xFFFF8040;

class MarkerTable {
public:
    static MarkerTable fromTsv(const QByteArray& utf8);
    static MarkerTable load();
    const std::vector<Marker>& markers() const { return m_markers; }

private:
    std::vector<Marker> m_markers;
};

// The map pixel a key-coloured sheet pixel takes: one column right of and one
// row below where an unscaled copy would put it.
QPoint backgroundOffset(const Marker& marker);

// Draws one marker from a fresh copy of the sheet: its key-coloured pixels take
// the map beneath, then the sprite is copied opaquely onto the destination,
// scaled (rows and columns repeat when enlarging; merged ones are combined by a
// bitwise AND of their colours) and mapped to the nearest palette entries.
void drawMarker(MapBitmap& map, QImage sheet, const Marker& marker);

// Draws every marker in table order, reading the sheet file once; a sheet that
// cannot be read or is no bitmap fails, and the markers drawn before stay.
void DrawLandmarkMarkers(MapBitmap& map, const MarkerTable& table, const QString& sheetPath);
