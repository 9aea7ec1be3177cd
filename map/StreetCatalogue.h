#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;

// One street that carries labels on the map: its number, its plain name (without
// "ул." or "пер.") and the map point the full-scale view jumps to.
struct StreetRow {
    int street = 0;
    QString name;
    QPoint anchor;
};

// The 83 streets of the map in street number order, which is also the order in
// which a name is looked up.
class StreetCatalogue {
public:
    static StreetCatalogue fromTsv(const QByteArray& utf8);
    static StreetCatalogue load();

    const std::vector<StreetRow>& rows() const { return m_rows; }
    // The row whose name equals the name exactly (case and spaces count), or null.
    const StreetRow* find(const QString& name) const;

private:
    std::vector<StreetRow> m_rows;
};

// The names of the main window's street list (86, in list order) and of the
// street combo boxes of the search and add dialogs (82).
QStringList streetListNames();
QStringList comboStreetNames();

// Empties the street list and adds the names of the list.
void FillStreetList(QListWidget& list);
// Fills the street combo boxes of the search dialog and of the add dialog.
void FillStreetCombos(QComboBox& searchStreets, QComboBox& addStreets);

// The first item that begins with the text, comparing case-blind for Latin and
// Cyrillic letters (Ё with ё) and exactly for everything else; -1 for none.
int incrementalMatch(const QStringList& items, const QString& text);
// Selects in the list the first item that begins with the edit field's text;
// when none does, the selection stays as it was.
void IncrementalSelect(const QLineEdit& edit, QListWidget& list);
