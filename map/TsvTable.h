#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The tables that accompany the map are UTF-8 text: a header row, then one row a
// line with tab-separated fields. Fields are kept exactly as written, leading and
// trailing spaces included, since label texts depend on them.
struct TsvTable {
    QStringList header;
    QList<QStringList> rows;
};

// Parses a table; throws AppError naming the line when a row has the wrong
// number of fields or the header is not the expected one.
TsvTable parseTsv(const QByteArray& utf8, const QString& name, const QStringList& expectedHeader);
// The bytes of an embedded file; throws AppError when it cannot be read.
QByteArray readResourceBytes(const QString& path);
// Reads and parses an embedded table.
TsvTable readTsvResource(const QString& path, const QStringList& expectedHeader);
// Reads an embedded list of names, one a line.
QStringList readLinesResource(const QString& path);

// A whole number field of a table row; throws AppError naming the table and line.
int tsvInt(const QString& field, const QString& name, int line);
