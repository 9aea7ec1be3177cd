#pragma once

#include "base/AppError.h"
#include "tests/app/ErrorReader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sqlite3.h>

#include <functional>

// Helpers of the phone directory tests: prdata.db files written and read past
// the program's own store (through the SQLite C API), application folders, and
// a driver that answers the modal windows a test provokes, step by step.
namespace DirectoryFixture {

struct Row {
    QString tel;
    QString fio;
    QString adr;
    QString kom;

    bool operator==(const Row&) const = default;
};

inline QString describe(const Row& r)
{
    return QStringLiteral("[%1|%2|%3|%4]").arg(r.tel, r.fio, r.adr, r.kom);
}

inline QString describe(const QList<Row>& rows)
{
    QStringList parts;
    for (const Row& r : rows)
        parts << describe(r);
    return parts.join(QLatin1Char(' '));
}

// Runs SQL on a file with the C API; returns the error text, empty on success.
inline QString sqlExec(const QString& path, const QString& sql)
{
    sqlite3* db = nullptr;
    QString error;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        char* message = nullptr;
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
            error = QString::fromUtf8(message ? message : "error");
        sqlite3_free(message);
    }
    sqlite3_close(db);
    return error;
}

// A new prdata.db holding the rows, in this order.
inline void writeDirectory(const QString& path, const QList<Row>& rows)
{
    QFile::remove(path);
    sqlite3* db = nullptr;
    QVERIFY(sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK);
    QVERIFY(sqlite3_exec(db,
                         "create table prdata(tel text not null default '', fio text not null default '', "
                         "adr text not null default '', kom text not null default ''); begin;",
                         nullptr, nullptr, nullptr)
            == SQLITE_OK);
    sqlite3_stmt* insert = nullptr;
    QVERIFY(sqlite3_prepare_v2(db, "insert into prdata values(?, ?, ?, ?)", -1, &insert, nullptr) == SQLITE_OK);
    for (const Row& r : rows) {
        const QByteArray fields[] = {r.tel.toUtf8(), r.fio.toUtf8(), r.adr.toUtf8(), r.kom.toUtf8()};
        for (int i = 0; i < 4; ++i)
            sqlite3_bind_text(insert, i + 1, fields[i].constData(), int(fields[i].size()), SQLITE_TRANSIENT);
        QVERIFY(sqlite3_step(insert) == SQLITE_DONE);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    QVERIFY(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK);
    sqlite3_close(db);
}

// Every row of the file in its own (row id) order; NULLs read as "<NULL>".
inline QList<Row> readDirectory(const QString& path)
{
    QList<Row> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* select = nullptr;
        if (sqlite3_prepare_v2(db, "select tel, fio, adr, kom from prdata order by rowid", -1, &select, nullptr)
            == SQLITE_OK) {
            while (sqlite3_step(select) == SQLITE_ROW) {
                QString fields[4];
                for (int i = 0; i < 4; ++i) {
                    fields[i] = sqlite3_column_type(select, i) == SQLITE_NULL
                        ? QStringLiteral("<NULL>")
                        : QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(select, i)),
                                            sqlite3_column_bytes(select, i));
                }
                rows.append({fields[0], fields[1], fields[2], fields[3]});
            }
        }
        sqlite3_finalize(select);
    }
    sqlite3_close(db);
    return rows;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

using ErrorReader::errorOf;

// Answers modal windows: each time a modal window is up and no step is under
// way, it records the window and hands it to the next step (run from an event
// of its own, so that a window the step opens is answered too); with no step
// left it closes the window. Errors a step throws go to the event loop, which
// shows them in the error box, as in the program.
class DialogDriver : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text;
    };
    using Step = std::function<void(QWidget*)>;

    DialogDriver()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    void then(Step step) { m_steps.append(std::move(step)); }
    // Stops answering, so that another answerer has the windows to itself.
    void stop() { m_timer.stop(); }
    bool idle() const { return m_steps.isEmpty() && !m_pending && !QApplication::activeModalWidget(); }
    int stepsLeft() const { return int(m_steps.size()); }

    QList<Seen> seen;

    QStringList classNames() const
    {
        QStringList names;
        for (const Seen& s : seen)
            names << s.className;
        return names;
    }

private:
    void poll()
    {
        if (m_pending)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        Seen s;
        s.className = QString::fromLatin1(modal->metaObject()->className());
        s.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            s.text = box->text();
        seen << s;
        if (m_steps.isEmpty()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(0);
            else
                modal->close();
            return;
        }
        m_pending = true;
        Step step = m_steps.takeFirst();
        QTimer::singleShot(0, this, [this, step, target = QPointer<QWidget>(modal)] {
            m_pending = false;
            if (target)
                step(target);
        });
    }

    QTimer m_timer;
    QList<Step> m_steps;
    bool m_pending = false;
};

// A message box's button, for a step to press.
inline void press(QWidget* modal, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY2(box, modal ? modal->metaObject()->className() : "no modal window");
    box->button(which)->click();
}

} // namespace DirectoryFixture
