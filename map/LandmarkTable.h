#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// A landmark: its two-digit code (also its photo's name), the rectangle of map
// pixels where a right click opens its photo (all four bounds inclusive), and
// the caption of the photo window.
struct Landmark {
    QString code;
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;
    int lastRow = 0;
    QString caption;

    bool contains(QPoint p) const
    {
        return p.x() >= firstColumn && p.x() <= lastColumn && p.y() >= firstRow && p.y() <= lastRow;
    }
};

// The 32 landmarks in the order their hot spots are tested.
class LandmarkTable {
public:
    static LandmarkTable fromTsv(const QByteArray& utf8);
    static LandmarkTable load();
    const std::vector<Landmark>& landmarks() const { return m_landmarks; }
    // The codes whose hot spots hold the map point, in table order.
    std::vector<const Landmark*> hitsAt(QPoint mapPoint) const;

private:
    std::vector<Landmark> m_landmarks;
};

// The photo file of a landmark in the application folder.
QString landmarkPhotoPath(const QString& appDir, const QString& code);
