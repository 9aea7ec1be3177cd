#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

// Table files read and written past the program, through the SQLite C API, so
// that what the program stored is seen byte for byte as the file holds it.
namespace HostileStore {

// One row: its row id and its text fields as the file's UTF-8 bytes.
struct StoredRow {
    qint64 rowid = 0;
    QList<QByteArray> fields;

    QStringList texts() const
    {
        QStringList values;
        for (const QByteArray& field : fields)
            values << QString::fromUtf8(field);
        return values;
    }
};

// Every row of `select` (row id first, then the text columns), in row id order.
inline QList<StoredRow> readRows(const QString& path, const char* select)
{
    QList<StoredRow> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, select, -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                StoredRow row;
                row.rowid = sqlite3_column_int64(statement, 0);
                for (int c = 1; c < sqlite3_column_count(statement); ++c) {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
                    row.fields << QByteArray(text ? text : "", sqlite3_column_bytes(statement, c));
                }
                rows << row;
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

// Runs `sql` once for each list of values, bound as UTF-8 texts; returns the
// row id of the last row written, or -1 on a failure.
inline qint64 writeRows(const QString& path, const char* sql, const QList<QStringList>& valueLists)
{
    qint64 last = -1;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
            for (const QStringList& values : valueLists) {
                for (int i = 0; i < values.size(); ++i) {
                    const QByteArray bytes = values[i].toUtf8();
                    sqlite3_bind_text(statement, i + 1, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
                }
                if (sqlite3_step(statement) != SQLITE_DONE) {
                    last = -1;
                    break;
                }
                last = sqlite3_last_insert_rowid(db);
                sqlite3_reset(statement);
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return last;
}

} // namespace HostileStore
