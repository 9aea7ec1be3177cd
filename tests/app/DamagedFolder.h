#pragma once

#include "AppFolderFixture.h"

#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QtTest>


// Helpers of the tests that run the program from a damaged or read-only
// application folder: the damages a user can do to a file, and a record of
// every byte of the folder.
namespace DamagedFolder {

// The assembled application data. run-unprivileged.sh hands over a copy that
// the unprivileged user can read.
inline QString appData()
{
    return qEnvironmentVariable("TALV_TEST_APPDATA", QStringLiteral(TALV_APPDATA_DIR));
}

// Whether file permissions bind for this user; they do not for root.
inline bool permissionsBind()
{
    QTemporaryFile probe;
    if (!probe.open())
        return false;
    probe.write("x");
    probe.close();
    QFile::setPermissions(probe.fileName(), QFile::WriteOwner);
    QFile file(probe.fileName());
    const bool bind = !file.open(QIODevice::ReadOnly);
    QFile::setPermissions(probe.fileName(), QFile::ReadOwner | QFile::WriteOwner);
    return bind;
}

enum class Damage {
    Missing,
    Empty,
    Truncated,
    Text,
    Png,
    // A table file of the program that holds another table.
    OtherTable,
    // A table file that holds the table under its name, with other fields.
    OtherFields,
    // A bitmap too small for the sprites it must hold.
    SmallBitmap,
    NoRead,
    NoWrite,
};

inline bool needsPermissions(Damage d)
{
    return d == Damage::NoRead || d == Damage::NoWrite;
}

inline const QFileDevice::Permissions kReadOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
inline const QFileDevice::Permissions kReadOnlyFolder = kReadOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
inline const QFileDevice::Permissions kWritable = kReadOnly | QFile::WriteOwner;
inline const QFileDevice::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A new table file holding the table `name` with fields of its own.
inline bool writeTableWithOtherFields(const QString& path, const QString& name)
{
    const QString connection = QStringLiteral("other-fields");
    bool written = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            written = query.exec(QStringLiteral("create table %1 (Nazvanie text, Nomer integer)").arg(name))
                && query.exec(QStringLiteral("insert into %1 values ('Тальвинск', 1)").arg(name));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return written;
}

// Does the damage to the file. `other` is the table file put in its place for
// Damage::OtherTable, the table's name for Damage::OtherFields.
inline bool damageFile(const QString& path, Damage d, const QString& other = QString())
{
    switch (d) {
    case Damage::Missing:
        return QFile::remove(path);
    case Damage::Empty:
        return writeBytes(path, QByteArray());
    case Damage::Truncated: {
        const QByteArray whole = fileBytes(path);
        return whole.size() > 2 && writeBytes(path, whole.left(whole.size() / 2));
    }
    case Damage::Text:
        return writeBytes(path, QStringLiteral("Здесь был текстовый файл.\r\n").toUtf8());
    case Damage::Png: {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        return QFile::remove(path) && picture.save(path, "PNG");
    }
    case Damage::OtherTable:
        return QFile::remove(path) && QFile::copy(other, path) && QFile::setPermissions(path, kWritable);
    case Damage::OtherFields:
        return QFile::remove(path) && writeTableWithOtherFields(path, other);
    case Damage::SmallBitmap: {
        QImage picture(100, 30, QImage::Format_RGB32);
        picture.fill(Qt::white);
        return QFile::remove(path) && picture.save(path, "BMP");
    }
    case Damage::NoRead:
        return QFile::setPermissions(path, QFile::WriteOwner);
    case Damage::NoWrite:
        return QFile::setPermissions(path, kReadOnly);
    }
    return false;
}

// Every file under the folder with its bytes, by relative path. Unreadable
// files are read after read permission is given back.
inline QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), fileBytes(path));
    }
    return files;
}

// Gives the owner back read and write permission on the folder and all in it.
inline void makeWritable(const QString& folder)
{
    QFile::setPermissions(folder, kWritableFolder);
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, QFileInfo(path).isDir() ? kWritableFolder : kWritable);
    }
}

// Takes write permission from the folder and all in it.
inline void makeReadOnly(const QString& folder)
{
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile::setPermissions(path, QFileInfo(path).isDir() ? kReadOnlyFolder : kReadOnly);
    }
    QFile::setPermissions(folder, kReadOnlyFolder);
}

// Makes the folder the current directory, as the program is started from it,
// and goes back to the previous one when it ends.
class EnteredFolder {
public:
    explicit EnteredFolder(const QString& folder) : m_previous(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~EnteredFolder() { QDir::setCurrent(m_previous); }
    EnteredFolder(const EnteredFolder&) = delete;
    EnteredFolder& operator=(const EnteredFolder&) = delete;

private:
    QString m_previous;
};

} // namespace DamagedFolder
