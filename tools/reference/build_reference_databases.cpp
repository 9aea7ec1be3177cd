// Writes the reference tables of the application folder from the committed data:
//   build_reference_databases gorod GOROD_TSV OUTPUT_DB
//   build_reference_databases bussines ENTERPRISES_TXT OUTPUT_DB
// The database is built under a temporary name and renamed at the end, so an
// interrupted build never leaves a half-written table behind. The same input
// gives the same bytes.
#include "EnterpriseRecords.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>

namespace {

class Database {
public:
    explicit Database(const QString& path)
    {
        if (sqlite3_open(QFile::encodeName(path).constData(), &m_db) != SQLITE_OK)
            throw std::runtime_error(std::string("cannot create ") + path.toStdString());
    }
    ~Database() { sqlite3_close(m_db); }

    void exec(const char* sql)
    {
        char* message = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "unknown error";
            sqlite3_free(message);
            throw std::runtime_error(text);
        }
    }

    void insert(const char* sql, const QStringList& values)
    {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db));
        for (int i = 0; i < values.size(); ++i) {
            const QByteArray utf8 = values[i].toUtf8();
            sqlite3_bind_text(statement, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        const int rc = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(m_db));
    }

private:
    sqlite3* m_db = nullptr;
};

QString readUtf8(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return QString::fromUtf8(file.readAll());
}

void buildCityCodes(const QString& tsvPath, Database& db)
{
    db.exec("CREATE TABLE gorod (Name TEXT, Kod TEXT, Id TEXT)");
    QStringList lines = readUtf8(tsvPath).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty() || lines.takeFirst() != QStringLiteral("Name\tKod\tId"))
        throw std::runtime_error("gorod.tsv: unexpected header");
    for (const QString& line : std::as_const(lines)) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() != 3)
            throw std::runtime_error("gorod.tsv: bad row " + line.toStdString());
        db.insert("INSERT INTO gorod (Name, Kod, Id) VALUES (?, ?, ?)", cells);
    }
}

void buildEnterprises(const QString& textPath, Database& db)
{
    db.exec("CREATE TABLE bussines (name TEXT, Info TEXT)");
    for (const EnterpriseRecord& record : parseEnterpriseRecords(readUtf8(textPath)))
        db.insert("INSERT INTO bussines (name, Info) VALUES (?, ?)", {record.name, record.info});
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: build_reference_databases gorod|bussines INPUT OUTPUT_DB\n");
        return 2;
    }
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QString input = QString::fromLocal8Bit(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);
    try {
        {
            Database db(partial);
            db.exec("BEGIN");
            if (kind == QStringLiteral("gorod"))
                buildCityCodes(input, db);
            else if (kind == QStringLiteral("bussines"))
                buildEnterprises(input, db);
            else
                throw std::runtime_error("unknown table kind");
            db.exec("COMMIT");
        }
        QFile::remove(output);
        if (!QFile::rename(partial, output))
            throw std::runtime_error("cannot rename to " + output.toStdString());
    } catch (const std::exception& e) {
        QFile::remove(partial);
        std::fprintf(stderr, "build_reference_databases: %s\n", e.what());
        return 1;
    }
    return 0;
}
