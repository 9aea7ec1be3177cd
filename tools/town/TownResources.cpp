#include "TownResources.h"

QStringList townResourcePaths()
{
    return {
        QStringLiteral(":/map/town.bmp"),
        QStringLiteral(":/map/plan.bmp"),
        QStringLiteral(":/map/ruler-h.bmp"),
        QStringLiteral(":/map/ruler-v.bmp"),
        QStringLiteral(":/data/streets/labels.tsv"),
        QStringLiteral(":/data/streets/catalogue.tsv"),
        QStringLiteral(":/data/streets/street-list.txt"),
        QStringLiteral(":/data/streets/combo-list.txt"),
        QStringLiteral(":/data/landmarks/markers.tsv"),
        QStringLiteral(":/data/landmarks/landmarks.tsv"),
    };
}
