#include "map/LandmarkTable.h"

#include "app/AppPaths.h"
#include "map/TsvTable.h"

namespace {
const QStringList kLandmarkHeader{"code", "first_col", "last_col", "first_row", "last_row", "caption"};
} // namespace

LandmarkTable LandmarkTable::fromTsv(const QByteArray& utf8)
{
    const QString name = QStringLiteral("landmarks.tsv");
    const TsvTable tsv = parseTsv(utf8, name, kLandmarkHeader);
    LandmarkTable table;
    int line = 2;
    for (const QStringList& r : tsv.rows) {
        table.m_landmarks.push_back({r[0], tsvInt(r[1], name, line), tsvInt(r[2], name, line),
                                     tsvInt(r[3], name, line), tsvInt(r[4], name, line), r[5]});
        ++line;
    }
    return table;
}

LandmarkTable LandmarkTable::load()
{
    return fromTsv(readResourceBytes(QStringLiteral(":/data/landmarks/landmarks.tsv")));
}

std::vector<const Landmark*> LandmarkTable::hitsAt(QPoint mapPoint) const
{
    std::vector<const Landmark*> hits;
    for (const Landmark& l : m_landmarks) {
        if (l.contains(mapPoint))
            hits.push_back(&l);
    }
    return hits;
}

QString landmarkPhotoPath(const QString& appDir, const QString& code)
{
    return appFilePath(appDir, QStringLiteral("talvfoto/%1.jpg").arg(code));
}
