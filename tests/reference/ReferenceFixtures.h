#pragma once

#include <QDir>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

// Helpers shared by the reference tests: small SQLite tables made on the spot,
// and copies of the tables the build writes, so that no test changes them.
namespace ReferenceFixtures {

// Runs the statements on a new SQLite file at `path`.
inline void makeDatabase(const QString& path, const QStringList& statements)
{
    const QString name = QStringLiteral("fixture-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            QVERIFY2(query.exec(statement), qPrintable(statement + QStringLiteral(": ") + query.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// A value read straight from a table file, past any model.
inline QStringList queryColumn(const QString& path, const QString& sql)
{
    const QString name = QStringLiteral("probe-") + path;
    QStringList values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(sql, db);
            while (query.next())
                values.append(query.value(0).toString());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return values;
}

// Copies a table the build wrote into `dir`; returns false when it is missing.
inline bool copyAppData(const QString& fileName, const QString& dir)
{
    const QString source = QStringLiteral(TALV_APPDATA_DIR "/") + fileName;
    const QString target = dir + QLatin1Char('/') + fileName;
    QFile::remove(target);
    return QFile::copy(source, target) && QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

// Types the text into the widget key by key, as the user would; unlike
// QTest::keyClicks it accepts Cyrillic letters.
inline void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

// Saves a picture of the window into $TALV_SHOTS_DIR when that is set.
inline void saveShot(QWidget* window, const QString& fileName)
{
    const QString dir = qEnvironmentVariable("TALV_SHOTS_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(dir + QLatin1Char('/') + fileName);
}

} // namespace ReferenceFixtures
