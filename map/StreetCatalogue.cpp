#include "map/StreetCatalogue.h"

#include "map/TsvTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

const QStringList kCatalogueHeader{"street", "name", "anchor_x", "anchor_y"};

// Folds the case of Latin and Cyrillic letters only, so that every other
// character keeps being compared exactly.
QChar foldLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return QChar(char16_t(u + 32));
    if (u >= u'А' && u <= u'Я')
        return QChar(char16_t(u + 32));
    if (u == u'Ё')
        return QChar(u'ё');
    return c;
}

bool beginsWithFolded(const QString& item, const QString& text)
{
    if (item.size() < text.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (foldLetter(item[i]) != foldLetter(text[i]))
            return false;
    }
    return true;
}

} // namespace

StreetCatalogue StreetCatalogue::fromTsv(const QByteArray& utf8)
{
    const QString name = QStringLiteral("catalogue.tsv");
    const TsvTable table = parseTsv(utf8, name, kCatalogueHeader);
    StreetCatalogue catalogue;
    int line = 2;
    for (const QStringList& r : table.rows) {
        catalogue.m_rows.push_back({tsvInt(r[0], name, line), r[1],
                                    QPoint(tsvInt(r[2], name, line), tsvInt(r[3], name, line))});
        ++line;
    }
    return catalogue;
}

StreetCatalogue StreetCatalogue::load()
{
    return fromTsv(readResourceBytes(QStringLiteral(":/data/streets/catalogue.tsv")));
}

const StreetRow* StreetCatalogue::find(const QString& name) const
{
    for (const StreetRow& row : m_rows) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

QStringList streetListNames()
{
    return readLinesResource(QStringLiteral(":/data/streets/street-list.txt"));
}

QStringList comboStreetNames()
{
    return readLinesResource(QStringLiteral(":/data/streets/combo-list.txt"));
}

void FillStreetList(QListWidget& list)
{
    list.clear();
    list.addItems(streetListNames());
}

void FillStreetCombos(QComboBox& searchStreets, QComboBox& addStreets)
{
    const QStringList names = comboStreetNames();
    searchStreets.clear();
    searchStreets.addItems(names);
    addStreets.clear();
    addStreets.addItems(names);
}

int incrementalMatch(const QStringList& items, const QString& text)
{
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (beginsWithFolded(items[i], text))
            return int(i);
    }
    return -1;
}

void IncrementalSelect(const QLineEdit& edit, QListWidget& list)
{
    QStringList items;
    items.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    const int match = incrementalMatch(items, edit.text());
    if (match < 0)
        return;
    // Selecting an item here is not the user's click: it must not write the
    // item's name back into the edit field.
    const QSignalBlocker quiet(&list);
    list.setCurrentRow(match);
    list.item(match)->setSelected(true);
    list.scrollToItem(list.item(match));
}
