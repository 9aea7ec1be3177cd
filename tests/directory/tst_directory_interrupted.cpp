// The navigator killed (SIGKILL) in the middle of a long run of adds, changes
// and deletes made through its own windows: the directory file stays sound,
// holds every change the user was shown as done, and no change in part. The
// step under way at the kill may be there whole or not at all.
#include "DirectoryFixture.h"
#include "WriteRun.h"

#include "directory/DirectoryStatement.h"
#include "directory/TableStore.h"
#include "tests/app/AppFolderFixture.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace DirectoryFixture;

namespace {

// The seed of the kill moment that is neither first, early nor late.
constexpr quint32 kKillSeed = 7;

QList<Row> storedRows(TableStore& store)
{
    QList<Row> rows;
    QSqlQuery query = store.select(DirectoryStatements::selectAll());
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                     query.value(3).toString()});
    return rows;
}

QStringList integrityOf(TableStore& store)
{
    QStringList report;
    QSqlQuery query(store.database());
    if (!query.exec(QStringLiteral("pragma integrity_check")))
        return {TableStore::messageOf(query.lastError())};
    while (query.next())
        report << query.value(0).toString();
    return report;
}

// Where two directories part, for a failure message short enough to read.
QString difference(const QList<Row>& stored, const QList<Row>& expected)
{
    qsizetype i = 0;
    while (i < stored.size() && i < expected.size() && stored[i] == expected[i])
        ++i;
    const auto at = [](const QList<Row>& rows, qsizetype i) {
        return i < rows.size() ? describe(rows[i]).left(120) : QStringLiteral("<none>");
    };
    return QStringLiteral("%1 rows stored, %2 expected; row %3 stored %4, expected %5")
        .arg(stored.size())
        .arg(expected.size())
        .arg(i)
        .arg(at(stored, i), at(expected, i));
}

} // namespace

class TestDirectoryInterrupted : public QObject {
    Q_OBJECT
private slots:
    void killedPartWay_data()
    {
        QTest::addColumn<int>("killAfter");
        // Killed at once, or once the next write has begun (its journal is
        // on the disc), which puts the kill inside a transaction.
        QTest::addColumn<bool>("inAWrite");
        QTest::newRow("after the first confirmation") << 1 << false;
        QTest::newRow("after 37 confirmations") << 37 << false;
        QTest::newRow("after 250 confirmations") << 250 << false;
        const int seeded = int(QRandomGenerator(kKillSeed).bounded(2, WriteRun::kSteps - 5));
        QTest::newRow(qPrintable(QStringLiteral("after %1 confirmations (seeded)").arg(seeded))) << seeded << false;
        QTest::newRow("in the write after the first confirmation") << 1 << true;
        QTest::newRow("in the write after 120 confirmations") << 120 << true;
        // No kill: the run itself and the check agree.
        QTest::newRow("run to the end") << 0 << false;
    }
    void killedPartWay()
    {
        QFETCH(int, killAfter);
        QFETCH(bool, inAWrite);
        QTemporaryDir dir;
        QVERIFY(copyTree(QStringLiteral(TALV_APPDATA_DIR), dir.path()));
        const QString prdata = dir.filePath(QStringLiteral("prdata.db"));
        writeDirectory(prdata, WriteRun::startRows());
        if (QTest::currentTestFailed())
            return;

        QProcess program;
        program.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(TALV_WRITE_RUN), {});
        QVERIFY2(program.waitForStarted(30000), qPrintable(program.errorString()));

        int confirmed = 0;
        bool finished = false;
        QString failure;
        QByteArray pending;
        const auto readLines = [&] {
            pending += program.readAllStandardOutput();
            for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                if (line.startsWith("confirmed "))
                    confirmed = line.mid(10).toInt();
                else if (line == "finished")
                    finished = true;
                else
                    failure = QString::fromUtf8(line);
            }
        };
        const QDeadlineTimer deadline(240000);
        while (program.state() != QProcess::NotRunning && failure.isEmpty()
               && (killAfter == 0 || confirmed < killAfter) && !deadline.hasExpired()) {
            program.waitForReadyRead(1000);
            readLines();
        }
        const QString journal = prdata + QStringLiteral("-journal");
        bool inTransaction = false;
        if (inAWrite && failure.isEmpty()) {
            // A bounded watch for the journal of the write that follows.
            const QDeadlineTimer watch(10000);
            while (!(inTransaction = QFile::exists(journal)) && !watch.hasExpired()
                   && program.state() == QProcess::Running)
                program.waitForReadyRead(0);
        }
        if (program.state() != QProcess::NotRunning && (killAfter > 0 || deadline.hasExpired()))
            program.kill();
        if (program.state() != QProcess::NotRunning)
            QVERIFY(program.waitForFinished(60000));
        // What the program wrote before it died: the last change it confirmed.
        readLines();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        if (killAfter > 0) {
            QVERIFY2(confirmed >= killAfter, qPrintable(QStringLiteral("only %1 confirmed").arg(confirmed)));
            QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        } else {
            QVERIFY(finished);
            QCOMPARE(confirmed, WriteRun::kSteps);
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
        }
        const bool journalLeft = QFileInfo(journal).size() > 0;

        // Opened by the program's own store, as the next start opens it.
        TableStore store(prdata);
        QCOMPARE(integrityOf(store), QStringList({QStringLiteral("ok")}));
        const QList<Row> stored = storedRows(store);
        const QList<Row> expected = WriteRun::after(confirmed);
        bool stepUnderWayStored = false;
        if (stored != expected && confirmed < WriteRun::kSteps)
            stepUnderWayStored = stored == WriteRun::after(confirmed + 1);
        QVERIFY2(stored == expected || stepUnderWayStored, qPrintable(difference(stored, expected)));

        m_checked += confirmed;
        if (killAfter > 0) {
            ++m_survived;
            qInfo("killed after %d confirmations (asked %d%s): survived; the step under way %s; %s", confirmed,
                  killAfter, inTransaction ? ", inside a write" : "",
                  stepUnderWayStored ? "was stored whole" : "left no trace",
                  journalLeft ? "its journal was rolled back" : "no journal was left");
        }
    }

    void cleanupTestCase()
    {
        qInfo("kills survived: %d; confirmed changes checked: %d", m_survived, m_checked);
    }

private:
    int m_survived = 0;
    int m_checked = 0;
};

QTEST_GUILESS_MAIN(TestDirectoryInterrupted)
#include "tst_directory_interrupted.moc"
