// A second navigator, started in the current folder beside the test's own. It
// sits in its event loop like a program nobody touches, and takes orders on
// standard input, one line each, fields separated by tabs, answering each with
// one line:
//   add <tel> <fio> <adr> <kom>               -> ok | error <text>
//   change <tel> <new tel> <fio> <adr> <kom>  -> ok | error <text>
//   delete <tel>                              -> ok | error <text>
//   rows                                      -> rows <count in the grid, sorted by name>
//   batch <count> <first tel>                 -> ok <tel> | error <tel> <text>, each; then end
//   hold immediate|exclusive <tel> [<ms>]     -> held; with ms, later: released
//   release                                   -> released
// The adds, changes and deletes go through the program's windows. "hold" is
// another program caught in the middle of a write: a connection of its own
// that opens a write transaction, adds a record and commits only on release.
#include "DirectoryUser.h"
#include "QuietOffscreen.h"

#include "app/AppPaths.h"
#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"

#include <QSocketNotifier>

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>

namespace {

void say(const QString& line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString outcome(const QString& error)
{
    return error.isEmpty() ? QStringLiteral("ok") : QStringLiteral("error\t") + error;
}

class Instance {
public:
    Instance(DirectoryUser& user, QString prdata)
        : m_user(user)
        , m_prdata(std::move(prdata))
    {
    }
    ~Instance() { sqlite3_close(m_holder); }

    void receive(const QByteArray& bytes)
    {
        m_input += bytes;
        // Orders run one after the other; one that comes while another runs
        // (its dialogs have event loops of their own) waits its turn.
        if (m_busy)
            return;
        m_busy = true;
        for (qsizetype end = m_input.indexOf('\n'); end >= 0; end = m_input.indexOf('\n')) {
            const QString line = QString::fromUtf8(m_input.left(end));
            m_input.remove(0, end + 1);
            run(line.split(QLatin1Char('\t')));
        }
        m_busy = false;
    }

private:
    void run(const QStringList& f)
    {
        const QString order = f.value(0);
        if (order == QLatin1String("add") && f.size() == 5) {
            say(outcome(m_user.add({f[1], f[2], f[3], f[4]})));
        } else if (order == QLatin1String("change") && f.size() == 6) {
            say(outcome(m_user.change(f[1], {f[2], f[3], f[4], f[5]})));
        } else if (order == QLatin1String("delete") && f.size() == 2) {
            say(outcome(m_user.remove(f[1])));
        } else if (order == QLatin1String("rows")) {
            const QString error = m_user.sortByName();
            say(error.isEmpty() ? QStringLiteral("rows\t%1").arg(m_user.gridRows().size()) : outcome(error));
        } else if (order == QLatin1String("batch") && f.size() == 3) {
            const int first = f[2].toInt();
            for (int i = 0; i < f[1].toInt(); ++i) {
                const QString tel = QString::number(first + i);
                const QString error = m_user.add({tel, QStringLiteral("Второй %1").arg(i), QStringLiteral("Мира 2"), QString()});
                say(error.isEmpty() ? QStringLiteral("ok\t") + tel : QStringLiteral("error\t%1\t%2").arg(tel, error));
            }
            say(QStringLiteral("end"));
        } else if (order == QLatin1String("hold") && (f.size() == 3 || f.size() == 4)) {
            hold(f[1], f[2], f.size() == 4 ? f[3].toInt() : -1);
        } else if (order == QLatin1String("release")) {
            release();
        } else {
            say(QStringLiteral("error\tunknown order ") + f.join(QLatin1Char(' ')));
        }
    }

    QString exec(const QString& sql)
    {
        char* message = nullptr;
        QString error;
        if (sqlite3_exec(m_holder, sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK)
            error = QString::fromUtf8(message ? message : "error");
        sqlite3_free(message);
        return error;
    }

    void hold(const QString& kind, const QString& tel, int milliseconds)
    {
        if (!m_holder && sqlite3_open_v2(m_prdata.toUtf8().constData(), &m_holder, SQLITE_OPEN_READWRITE, nullptr)
                != SQLITE_OK) {
            say(QStringLiteral("error\tcannot open ") + m_prdata);
            return;
        }
        // The holder itself waits for the readers it meets, as a program does.
        sqlite3_busy_timeout(m_holder, 20000);
        QString error = exec(QStringLiteral("begin ") + kind);
        if (error.isEmpty())
            error = exec(QStringLiteral("insert into prdata values('%1', 'Удерживающий', '', '')").arg(tel));
        if (!error.isEmpty()) {
            say(QStringLiteral("error\t") + error);
            return;
        }
        say(QStringLiteral("held"));
        if (milliseconds >= 0)
            QTimer::singleShot(milliseconds, [this] { release(); });
    }

    void release()
    {
        const QString error = exec(QStringLiteral("commit"));
        say(error.isEmpty() ? QStringLiteral("released") : QStringLiteral("error\t") + error);
    }

    DirectoryUser& m_user;
    QString m_prdata;
    sqlite3* m_holder = nullptr;
    QByteArray m_input;
    bool m_busy = false;
};

} // namespace

int main(int argc, char** argv)
{
    quietOffscreenSizeHints();
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    NavigatorWindows windows;
    if (startNavigator(app, windows) != StartOutcome::Running) {
        say(QStringLiteral("failed to start"));
        return 1;
    }
    DirectoryUser user(windows);
    Instance instance(user, appFilePath(currentAppDir(), QStringLiteral("prdata.db")));
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            // The test has gone: so does this program.
            input.setEnabled(false);
            // Not quit(): that closes the windows, and the main window's close
            // shows the sponsor window and waits for the user.
            QCoreApplication::exit(0);
            return;
        }
        instance.receive(QByteArray(buffer, got));
    });
    // The grid is left as start-up left it: nothing more is read into it.
    say(QStringLiteral("ready"));
    return app.exec();
}
