#pragma once

#include <QMap>
#include <QString>

// Converts the dialling code sources (the libphonenumber region file and the
// city list) into the rows of the city codes table: a heading row per region,
// followed by that region's cities. Writes them as a tab-separated file with the
// columns Name, Kod and Id. Throws std::runtime_error on data it cannot place.
void convertCityCodes(const QString& sourceDir, const QString& outputPath);

// The regions whose official names are longer than the 30-character Name
// column, each mapped to the one shortened form the table gives it.
const QMap<QString, QString>& shortenedRegionNames();
