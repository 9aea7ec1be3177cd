#include "CityCodesConversion.h"

#include "TsvFile.h"
#include "reference/AlphabeticOrder.h"

#include <QFile>
#include <QMap>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <stdexcept>

namespace {

// The width of the Name column of the table.
constexpr int kNameWidth = 30;

// The region file names Moscow and its oblast the other way round from how the
// codes are used: 495 and 499 are the city's, 496 and 498 the oblast's.
const QMap<QString, QString> kRegionOverrides = {
    {QStringLiteral("495"), QStringLiteral("г. Москва")},
    {QStringLiteral("499"), QStringLiteral("г. Москва")},
    {QStringLiteral("496"), QStringLiteral("Московская обл.")},
    {QStringLiteral("498"), QStringLiteral("Московская обл.")},
};

// Names of the region file whose official form, as the Constitution lists the
// federal subjects, the general rules below do not give: another word order,
// a name in brackets, the Kemerovo oblast's "Кузбасс".
const QMap<QString, QString> kOfficialNames = {
    {QStringLiteral("Республика Адыгея"), QStringLiteral("Республика Адыгея (Адыгея)")},
    {QStringLiteral("Республика Кабардино-Балкарская"), QStringLiteral("Кабардино-Балкарская Республика")},
    {QStringLiteral("Республика Карачаево-Черкесская"), QStringLiteral("Карачаево-Черкесская Республика")},
    {QStringLiteral("Республика Саха /Якутия/"), QStringLiteral("Республика Саха (Якутия)")},
    {QStringLiteral("Республика Татарстан"), QStringLiteral("Республика Татарстан (Татарстан)")},
    {QStringLiteral("Республика Удмуртская"), QStringLiteral("Удмуртская Республика")},
    {QStringLiteral("Республика Чеченская"), QStringLiteral("Чеченская Республика")},
    {QStringLiteral("Кемеровская обл."), QStringLiteral("Кемеровская область - Кузбасс")},
    {QStringLiteral("Ханты - Мансийский - Югра АО"), QStringLiteral("Ханты-Мансийский автономный округ - Югра")},
};

// Regions the region file does not name. The Nenets area dials through the
// Arkhangelsk code 818, on the numbers that begin 81853; the Zaporozhye oblast
// has a code in neither source, so its heading stands alone.
const QList<QPair<QString, QString>> kRegionsBeyondTheRegionFile = {
    {QStringLiteral("81853"), QStringLiteral("Ненецкий автономный округ")},
    {QString(), QStringLiteral("Запорожская область")},
};

// The longest prefix a region is told apart by.
constexpr qsizetype kLongestPrefix = 5;

QString officialRegionName(QString name)
{
    name.remove(QChar(0x0301)); // stress marks
    name = name.simplified();
    if (kOfficialNames.contains(name))
        return kOfficialNames.value(name);
    if (name.startsWith(QStringLiteral("г. ")))
        name = name.mid(3);
    if (name.endsWith(QStringLiteral(" обл.")))
        name = name.chopped(5) + QStringLiteral(" область");
    else if (name.endsWith(QStringLiteral(" обл")))
        name = name.chopped(4) + QStringLiteral(" область");
    else if (name.endsWith(QStringLiteral(" АО")))
        name = name.chopped(3) + QStringLiteral(" автономный округ");
    return name;
}

// The name as the heading row shows it: the official one, or its stated
// shortening where the column is too narrow.
QString shownRegionName(const QString& official)
{
    if (official.size() <= kNameWidth)
        return official;
    const auto it = shortenedRegionNames().constFind(official);
    if (it == shortenedRegionNames().constEnd())
        throw std::runtime_error("region name too long: " + official.toStdString());
    return *it;
}

struct Region {
    QString name; // official
    QString shownName;
    QStringList threeDigitCodes;
    QList<QPair<QString, QString>> cities; // name, code
};

// Region prefixes of the Russian side: the code digits after the country code 7
// mapped to the official region name.
QMap<QString, QString> readRegionPrefixes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    QMap<QString, QString> prefixes;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype bar = line.indexOf(QLatin1Char('|'));
        if (bar < 2 || !line.startsWith(QLatin1Char('7')))
            throw std::runtime_error("unexpected line: " + line.toStdString());
        const QString digits = line.mid(1, bar - 1);
        // 77... is Kazakhstan and 733 Baikonur: neither is part of the directory.
        if (digits.startsWith(QStringLiteral("7")) || digits == QStringLiteral("33"))
            continue;
        prefixes.insert(digits, officialRegionName(kRegionOverrides.value(digits, line.mid(bar + 1))));
    }
    for (const auto& [prefix, name] : kRegionsBeyondTheRegionFile) {
        if (!prefix.isEmpty())
            prefixes.insert(prefix, name);
    }
    return prefixes;
}

QString regionOfCode(const QMap<QString, QString>& prefixes, const QString& code)
{
    for (qsizetype length = qMin(code.size(), kLongestPrefix); length >= 2; --length) {
        const auto it = prefixes.constFind(code.left(length));
        if (it != prefixes.constEnd())
            return *it;
    }
    return {};
}

} // namespace

const QMap<QString, QString>& shortenedRegionNames()
{
    static const QMap<QString, QString> names = {
        {QStringLiteral("Кабардино-Балкарская Республика"), QStringLiteral("Кабардино-Балкарская Респ.")},
        {QStringLiteral("Карачаево-Черкесская Республика"), QStringLiteral("Карачаево-Черкесская Респ.")},
        {QStringLiteral("Республика Северная Осетия - Алания"), QStringLiteral("Респ. Северная Осетия - Алания")},
        {QStringLiteral("Республика Татарстан (Татарстан)"), QStringLiteral("Респ. Татарстан (Татарстан)")},
        {QStringLiteral("Ханты-Мансийский автономный округ - Югра"), QStringLiteral("Ханты-Мансийский АО - Югра")},
        {QStringLiteral("Ямало-Ненецкий автономный округ"), QStringLiteral("Ямало-Ненецкий АО")},
    };
    return names;
}

void convertCityCodes(const QString& sourceDir, const QString& outputPath)
{
    const QMap<QString, QString> prefixes = readRegionPrefixes(sourceDir + QStringLiteral("/libphonenumber-geocoding-ru-7.txt"));

    QMap<QString, Region> regions;
    for (auto it = prefixes.constBegin(); it != prefixes.constEnd(); ++it) {
        Region& region = regions[*it];
        region.name = *it;
        if (it.key().size() == 3)
            region.threeDigitCodes.append(it.key());
    }
    for (const auto& [prefix, name] : kRegionsBeyondTheRegionFile)
        regions[name].name = name;
    // Before anything is written, so that a name the column cannot hold
    // leaves no half-written table.
    for (Region& region : regions)
        region.shownName = shownRegionName(region.name);

    const TsvFile cities(sourceDir + QStringLiteral("/ru-city-codes.tsv"));
    QSet<QString> seen;
    for (qsizetype row = 0; row < cities.rowCount(); ++row) {
        QString city = cities.value(row, QStringLiteral("city")).simplified();
        const QString code = cities.value(row, QStringLiteral("code")).trimmed();
        if (city.isEmpty()) {
            // The region's own line: its code goes to the heading row. The
            // region file gives Kaliningrad only the two digits "40" of 401.
            const QString regionName = regionOfCode(prefixes, code);
            const bool plain = cities.value(row, QStringLiteral("operator")).isEmpty();
            if (!regionName.isEmpty() && plain && code.size() == 3
                && !regions[regionName].threeDigitCodes.contains(code))
                regions[regionName].threeDigitCodes.append(code);
            continue;
        }
        if (city.startsWith(QStringLiteral("ЗАО ")) || city.startsWith(QStringLiteral("ОАО ")))
            continue; // an operator's name in place of a locality
        // The one locality too long for the column loses its "Международный".
        city.replace(QStringLiteral("Международный аэропорт"), QStringLiteral("Аэропорт"));
        const QString regionName = regionOfCode(prefixes, code);
        if (regionName.isEmpty())
            continue; // outside the Russian Federation (Abkhazia)
        if (city.size() > kNameWidth || code.size() > 10)
            throw std::runtime_error("city row too wide: " + city.toStdString());
        if (seen.contains(regionName + QLatin1Char('\t') + city + QLatin1Char('\t') + code))
            continue;
        seen.insert(regionName + QLatin1Char('\t') + city + QLatin1Char('\t') + code);
        regions[regionName].cities.append({city, code});
    }

    // In the alphabetical order of the official names, so that a shortened
    // name keeps its place among the others.
    QList<Region> ordered = regions.values();
    std::sort(ordered.begin(), ordered.end(), [](const Region& a, const Region& b) {
        return AlphabeticOrder::less(a.name, b.name);
    });

    QFile out(outputPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + outputPath.toStdString());
    QTextStream stream(&out);
    stream.setEncoding(QStringConverter::Utf8);
    stream << "Name\tKod\tId\n";
    for (Region& region : ordered) {
        std::sort(region.threeDigitCodes.begin(), region.threeDigitCodes.end());
        std::sort(region.cities.begin(), region.cities.end(), [](const auto& a, const auto& b) {
            if (a.first != b.first)
                return AlphabeticOrder::less(a.first, b.first);
            return a.second < b.second;
        });
        const QString headingCode = region.threeDigitCodes.isEmpty() ? QString() : region.threeDigitCodes.first();
        stream << region.shownName << '\t' << headingCode << "\t1\n";
        for (const auto& [city, code] : std::as_const(region.cities))
            stream << city << '\t' << code << "\t0\n";
    }
}
