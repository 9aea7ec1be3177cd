#include "PostalTreeConversion.h"

#include "TsvFile.h"
#include "reference/AlphabeticOrder.h"

#include <QFile>
#include <QMap>
#include <QTextStream>
#include <algorithm>
#include <stdexcept>

namespace {

// A locality's lowest index stands for the whole locality: that is its main
// post office ("МОСКВА - 101000", "МАЙКОП - 385000").
void keepLowest(QString& index, const QString& candidate)
{
    if (index.isEmpty() || candidate < index)
        index = candidate;
}

struct Group {
    QMap<QString, QString> localities; // name -> index
};

struct TopUnit {
    QString ownIndex; // set for federal cities, whose offices name no locality
    QMap<QString, QString> localities; // level-1 leaves
    QMap<QString, Group> groups;        // districts and the like
};

bool isDigitsOnly(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
}

QString withIndex(const QString& name, const QString& index)
{
    return index.isEmpty() ? name : name + QStringLiteral(" - ") + index;
}

QStringList sorted(QStringList texts)
{
    std::sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return AlphabeticOrder::less(a, b);
    });
    return texts;
}

} // namespace

void convertPostalTree(const QString& pindxPath, const QString& outputPath)
{
    const TsvFile offices(pindxPath);
    QMap<QString, TopUnit> tops;

    for (qsizetype row = 0; row < offices.rowCount(); ++row) {
        const QString type = offices.value(row, QStringLiteral("OPSTYPE"));
        // Only post offices proper (О) and main post offices (П); delivery,
        // sorting and parcel-locker points have no public index of their own.
        if (type != QStringLiteral("О") && type != QStringLiteral("П"))
            continue;
        const QString index = offices.value(row, QStringLiteral("INDEX")).trimmed();
        if (index.size() != 6 || !isDigitsOnly(index))
            throw std::runtime_error("bad index " + index.toStdString());
        QString top = offices.value(row, QStringLiteral("REGION")).simplified();
        if (top.isEmpty())
            top = offices.value(row, QStringLiteral("AUTONOM")).simplified();
        const QString area = offices.value(row, QStringLiteral("AREA")).simplified().toUpper();
        const QString city = offices.value(row, QStringLiteral("CITY")).simplified().toUpper();
        const QString subCity = offices.value(row, QStringLiteral("CITY_1")).simplified().toUpper();
        if (top.isEmpty())
            throw std::runtime_error("office without region " + index.toStdString());
        // A bare number in place of a locality is a filing mistake of the list
        // (offices of Moscow itself); Moscow carries its index at the top.
        if (isDigitsOnly(city))
            continue;
        TopUnit& unit = tops[top.toUpper()];

        if (area.isEmpty() && city.isEmpty()) {
            keepLowest(unit.ownIndex, index);
        } else if (area.isEmpty() && subCity.isEmpty()) {
            keepLowest(unit.localities[city], index);
        } else if (area.isEmpty()) {
            // A town's municipal area: the town names it, its settlements follow.
            keepLowest(unit.groups[city].localities[subCity], index);
        } else {
            // The office's own name where the list names no locality in a district.
            QString locality = !subCity.isEmpty() ? subCity : city;
            if (locality.isEmpty())
                locality = offices.value(row, QStringLiteral("OPSNAME")).simplified().toUpper();
            keepLowest(unit.groups[area].localities[locality], index);
        }
    }

    QFile out(outputPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + outputPath.toStdString());
    QTextStream stream(&out);
    stream.setEncoding(QStringConverter::Utf8);

    QStringList topTexts;
    QMap<QString, QString> topKeyOfText;
    for (auto it = tops.begin(); it != tops.end(); ++it) {
        TopUnit& unit = it.value();
        // A town that also names a municipal area is listed inside that area,
        // so that the area's group does not stand beside a leaf of the same name.
        for (auto loc = unit.localities.begin(); loc != unit.localities.end();) {
            if (unit.groups.contains(loc.key())) {
                keepLowest(unit.groups[loc.key()].localities[loc.key()], loc.value());
                loc = unit.localities.erase(loc);
            } else {
                ++loc;
            }
        }
        const QString text = withIndex(it.key(), unit.ownIndex);
        topTexts.append(text);
        topKeyOfText.insert(text, it.key());
    }

    for (const QString& topText : sorted(topTexts)) {
        const TopUnit& unit = tops[topKeyOfText[topText]];
        stream << topText << '\n';
        QStringList levelOne;
        for (auto it = unit.localities.cbegin(); it != unit.localities.cend(); ++it)
            levelOne.append(withIndex(it.key(), it.value()));
        levelOne.append(unit.groups.keys());
        for (const QString& text : sorted(levelOne)) {
            stream << '\t' << text << '\n';
            const auto group = unit.groups.constFind(text);
            if (group == unit.groups.cend())
                continue;
            QStringList levelTwo;
            for (auto it = group->localities.cbegin(); it != group->localities.cend(); ++it)
                levelTwo.append(withIndex(it.key(), it.value()));
            for (const QString& leaf : sorted(levelTwo))
                stream << "\t\t" << leaf << '\n';
        }
    }
}
