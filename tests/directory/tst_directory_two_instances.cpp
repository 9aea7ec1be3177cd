// Two navigators on the same application folder: this test's own, started in
// its process, and a second one in a process of its own that takes orders
// (directory_instance). Both keep working; a write that meets the other's lock
// waits a short time and then shows the store's error, and stores nothing; no
// record is lost or stored twice.
#include "DirectoryUser.h"
#include "NavigatorFixture.h"
#include "OtherProgram.h"

#include "directory/TableStore.h"

#include <QElapsedTimer>
#include <QtTest>

#include <memory>

using namespace DirectoryFixture;

namespace {

// More records than the grid reads when it opens, so that an idle grid has
// rows left unread.
QList<Row> manyRecords()
{
    QList<Row> rows;
    for (int i = 0; i < 600; ++i)
        rows.append({QString::number(100000 + i), QStringLiteral("Абонент %1").arg(i),
                     QStringLiteral("Ленина %1").arg(i % 120 + 1), QString()});
    return rows;
}

QString addOrder(const Row& r)
{
    return QStringList({QStringLiteral("add"), r.tel, r.fio, r.adr, r.kom}).join(QLatin1Char('\t'));
}

QString changeOrder(const QString& tel, const Row& r)
{
    return QStringList({QStringLiteral("change"), tel, r.tel, r.fio, r.adr, r.kom}).join(QLatin1Char('\t'));
}

void replace(QList<Row>& rows, const QString& tel, const Row& with)
{
    for (Row& r : rows) {
        if (r.tel == tel)
            r = with;
    }
}

void drop(QList<Row>& rows, const QString& tel)
{
    rows.removeIf([&](const Row& r) { return r.tel == tel; });
}

} // namespace

class TestDirectoryTwoInstances : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_app.prepare(QStringLiteral(TALV_APPDATA_DIR), manyRecords()));
        QCOMPARE(m_app.start(), QString());
        m_user = std::make_unique<DirectoryUser>(m_app.windows);
    }

    // Each test: the directory written afresh and opened here as at start-up,
    // then the second program started on it.
    void init()
    {
        m_other = std::make_unique<OtherProgram>();
        writeDirectory(path(), manyRecords());
        m_app.view->OpenDirectory(m_app.folder());
        m_app.view->SetSortMark(SortField::None);
        QCOMPARE(m_other->start(m_app.folder()), QStringLiteral("ready"));
    }

    void cleanup() { m_other.reset(); }

    void idleGridsLeaveTheFileToTheOther()
    {
        // Both programs have just opened the directory, and neither grid has
        // been scrolled: each writes while the other sits idle.
        QList<Row> expected = manyRecords();
        for (int round = 0; round < 2; ++round) {
            const Row mine{QString::number(520000 + round), QStringLiteral("Первый П.П."), QStringLiteral("Мира 1"),
                           QStringLiteral("отсюда")};
            QCOMPARE(m_user->add(mine), QString());
            expected.append(mine);
            const Row theirs{QString::number(510000 + round), QStringLiteral("Второй В.В."),
                             QStringLiteral("Мира 2"), QStringLiteral("из второй программы")};
            QCOMPARE(m_other->order(addOrder(theirs)), QStringLiteral("ok"));
            expected.append(theirs);
        }
        QCOMPARE(readDirectory(path()), expected);
        // Each sees the other's records.
        QCOMPARE(m_other->order(QStringLiteral("rows")), QStringLiteral("rows\t604"));
        QCOMPARE(m_user->sortByName(), QString());
        QCOMPARE(int(m_user->gridRows().size()), 604);
    }

    void writesFromBothLandOnce_data()
    {
        QTest::addColumn<bool>("atTheSameTime");
        QTest::newRow("taking turns") << false;
        QTest::newRow("at the same time") << true;
    }
    void writesFromBothLandOnce()
    {
        QFETCH(bool, atTheSameTime);
        QList<Row> expected = manyRecords();
        if (atTheSameTime) {
            // The other program adds 40 records while this one adds 40.
            m_other->send(QStringLiteral("batch\t40\t510000"));
            QStringList refused;
            for (int i = 0; i < 40; ++i) {
                const Row mine{QString::number(520000 + i), QStringLiteral("Первый %1").arg(i), QStringLiteral("Мира 1"),
                               QString()};
                const QString error = m_user->add(mine);
                if (error.isEmpty())
                    expected.append(mine);
                else
                    refused << mine.tel + QStringLiteral(": ") + error;
            }
            for (QString answer = m_other->next(); answer != QLatin1String("end"); answer = m_other->next()) {
                const QStringList f = answer.split(QLatin1Char('\t'));
                if (f.value(0) == QLatin1String("ok"))
                    expected.append({f.value(1), QStringLiteral("Второй %1").arg(f.value(1).toInt() - 510000),
                                     QStringLiteral("Мира 2"), QString()});
                else if (f.value(0) == QLatin1String("error"))
                    refused << f.value(1) + QStringLiteral(": ") + f.value(2);
                else
                    QFAIL(qPrintable(answer));
            }
            QVERIFY2(refused.isEmpty(), qPrintable(refused.join(QLatin1String("; "))));
            // Interleaved as they came: the same records, in any order.
            QList<Row> stored = readDirectory(path());
            const auto byTel = [](const Row& a, const Row& b) { return a.tel < b.tel; };
            std::sort(stored.begin(), stored.end(), byTel);
            std::sort(expected.begin(), expected.end(), byTel);
            QCOMPARE(int(stored.size()), int(expected.size()));
            QCOMPARE(stored, expected);
        } else {
            // Each adds, then changes or deletes what the other added.
            for (int i = 0; i < 6; ++i) {
                const Row mine{QString::number(520000 + i), QStringLiteral("Первый %1").arg(i), QStringLiteral("Мира 1"),
                               QString()};
                QCOMPARE(m_user->add(mine), QString());
                expected.append(mine);
                const Row theirs{QString::number(510000 + i), QStringLiteral("Второй %1").arg(i),
                                 QStringLiteral("Мира 2"), QString()};
                QCOMPARE(m_other->order(addOrder(theirs)), QStringLiteral("ok"));
                expected.append(theirs);
                // The user lists the directory again to see the other's record.
                QCOMPARE(m_user->sortByName(), QString());
                const Row corrected{theirs.tel, theirs.fio, QStringLiteral("Мира 3"), QStringLiteral("исправил первый")};
                QCOMPARE(m_user->change(theirs.tel, corrected), QString());
                replace(expected, theirs.tel, corrected);
                QCOMPARE(m_other->order(QStringLiteral("rows")), QStringLiteral("rows\t%1").arg(expected.size()));
                if (i % 2) {
                    QCOMPARE(m_other->order(QStringLiteral("delete\t") + mine.tel), QStringLiteral("ok"));
                    drop(expected, mine.tel);
                } else {
                    const Row renamed{QString::number(530000 + i), mine.fio, mine.adr, QStringLiteral("исправил второй")};
                    QCOMPARE(m_other->order(changeOrder(mine.tel, renamed)), QStringLiteral("ok"));
                    replace(expected, mine.tel, renamed);
                }
            }
            QCOMPARE(readDirectory(path()), expected);
        }
        const QString count = QString::number(expected.size());
        QCOMPARE(m_other->order(QStringLiteral("rows")), QStringLiteral("rows\t") + count);
        QCOMPARE(m_user->sortByName(), QString());
        QCOMPARE(int(m_user->gridRows().size()), int(expected.size()));
    }

    void aWriteMeetingTheOthersLockWaitsThenFails_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("lock");
        QTest::newRow("add, the other in a write transaction") << "add" << "immediate";
        QTest::newRow("change, the other holding the file") << "change" << "exclusive";
        QTest::newRow("delete, the other in a write transaction") << "delete" << "immediate";
    }
    void aWriteMeetingTheOthersLockWaitsThenFails()
    {
        QFETCH(QString, operation);
        QFETCH(QString, lock);
        const Row held{QStringLiteral("530000"), QStringLiteral("Удерживающий"), QString(), QString()};
        const Row target = manyRecords().at(5);
        const Row mine{QStringLiteral("520000"), QStringLiteral("Первый П.П."), QStringLiteral("Мира 7"),
                       QStringLiteral("после ожидания")};
        const Row changed{target.tel, QStringLiteral("Изменённый И.И."), target.adr, target.kom};

        // The other program is in the middle of a write of its own.
        QCOMPARE(m_other->order(QStringLiteral("hold\t") + lock + QLatin1Char('\t') + held.tel),
                 QStringLiteral("held"));

        QElapsedTimer waited;
        qint64 waitedMs = -1;
        QString shown;
        QString released;
        QList<Row> afterRelease;
        DialogDriver driver;
        // The error box: the user reads it; meanwhile the other program ends
        // its write.
        const auto errorBox = [&](QWidget* box) {
            waitedMs = waited.elapsed();
            shown = qobject_cast<QMessageBox*>(box) ? qobject_cast<QMessageBox*>(box)->text() : QString();
            released = m_other->order(QStringLiteral("release"), false);
            afterRelease = readDirectory(path());
            press(box, QMessageBox::Ok);
        };
        const auto yes = [](QWidget* box) { press(box, QMessageBox::Yes); };
        if (operation == QLatin1String("add")) {
            driver.then([&](QWidget* w) {
                auto* d = qobject_cast<TForm7*>(w);
                d->Edit1->setText(mine.tel);
                d->Edit2->setText(mine.fio);
                d->ComboBox1->setEditText(mine.adr);
                d->Edit5->setText(mine.kom);
                waited.start();
                d->Button1->click();
            });
            driver.then(errorBox);
            // The dialog kept its texts: the user presses "Ок" again.
            driver.then([&](QWidget* w) {
                auto* d = qobject_cast<TForm7*>(w);
                QCOMPARE(d->Edit2->text(), mine.fio);
                d->Button1->click();
            });
            QTimer::singleShot(0, this, [this] { m_app.action("N10")->trigger(); });
        } else if (operation == QLatin1String("change")) {
            QVERIFY(m_user->selectRecord(target.tel));
            const auto submit = [&](QWidget* w) {
                auto* d = qobject_cast<TForm9*>(w);
                d->Edit2->setText(changed.fio);
                waited.start();
                d->Button1->click();
            };
            driver.then(submit);
            driver.then(yes);
            driver.then(errorBox);
            // The refused change closed the grid's query, so the dialog has
            // no record to change any more: the user cancels it.
            driver.then([](QWidget* w) { qobject_cast<TForm9*>(w)->Button2->click(); });
            QTimer::singleShot(0, this, [this] { m_app.action("N9")->trigger(); });
        } else {
            QVERIFY(m_user->selectRecord(target.tel));
            driver.then([&](QWidget* w) {
                waited.start();
                press(w, QMessageBox::Yes);
            });
            driver.then(errorBox);
            QTimer::singleShot(0, this, [this] { m_app.action("N11")->trigger(); });
        }
        QTRY_VERIFY_WITH_TIMEOUT(driver.stepsLeft() == 0 && driver.idle(), 60000);
        // From here the user's own answers go through m_user; the driver,
        // which closes any window it has no step for, must not race it for
        // the question of the redo.
        driver.stop();
        // A refused change or delete leaves the grid empty: the user lists
        // the directory again and does it anew.
        if (operation == QLatin1String("change")) {
            QCOMPARE(m_user->sortByName(), QString());
            QCOMPARE(m_user->change(target.tel, changed), QString());
        } else if (operation == QLatin1String("delete")) {
            QCOMPARE(m_user->sortByName(), QString());
            QCOMPARE(m_user->remove(target.tel), QString());
        }

        QVERIFY2(shown.contains(QStringLiteral("database is locked")), qPrintable(shown));
        // It waited for the lock before it gave up; it did not fail at once.
        QVERIFY2(waitedMs >= TableStore::kLockWaitMilliseconds / 2, qPrintable(QString::number(waitedMs)));
        QCOMPARE(released, QStringLiteral("released"));
        // The refused write stored nothing; the other's record is there once.
        QList<Row> expected = manyRecords();
        expected.append(held);
        QCOMPARE(afterRelease, expected);
        // Done again once the lock was gone, it is stored once.
        if (operation == QLatin1String("add"))
            expected.append(mine);
        else if (operation == QLatin1String("change"))
            replace(expected, target.tel, changed);
        else
            drop(expected, target.tel);
        QCOMPARE(readDirectory(path()), expected);
        QCOMPARE(m_other->order(QStringLiteral("rows")), QStringLiteral("rows\t%1").arg(expected.size()));
    }

    void theOtherProgramMeetsALockToo()
    {
        // Another program holds a write transaction; the second navigator's
        // add waits, then is refused with the store's error and stores nothing.
        const Row held{QStringLiteral("530000"), QStringLiteral("Удерживающий"), QString(), QString()};
        const Row theirs{QStringLiteral("510000"), QStringLiteral("Второй В.В."), QStringLiteral("Мира 2"), QString()};
        sqlite3* holder = nullptr;
        QVERIFY(sqlite3_open_v2(path().toUtf8().constData(), &holder, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK);
        sqlite3_busy_timeout(holder, 20000);
        const auto run = [&](const char* sql) { return sqlite3_exec(holder, sql, nullptr, nullptr, nullptr); };
        QCOMPARE(run("begin immediate"), SQLITE_OK);
        QCOMPARE(run("insert into prdata values('530000', 'Удерживающий', '', '')"), SQLITE_OK);
        const QString refused = m_other->order(addOrder(theirs));
        QCOMPARE(run("commit"), SQLITE_OK);
        sqlite3_close(holder);
        QVERIFY2(refused.startsWith(QStringLiteral("error\t")) && refused.contains(QStringLiteral("database is locked")),
                 qPrintable(refused));
        QList<Row> expected = manyRecords();
        expected.append(held);
        QCOMPARE(readDirectory(path()), expected);
        // The lock is gone: the same add goes through, once.
        QCOMPARE(m_other->order(addOrder(theirs)), QStringLiteral("ok"));
        expected.append(theirs);
        QCOMPARE(readDirectory(path()), expected);
    }

    void aShortLockIsWaitedOut()
    {
        // The other program's write ends while this one's waits: the add goes
        // through with no error, after the other's record.
        const Row held{QStringLiteral("530000"), QStringLiteral("Удерживающий"), QString(), QString()};
        const Row mine{QStringLiteral("520000"), QStringLiteral("Первый П.П."), QStringLiteral("Мира 1"), QString()};
        QCOMPARE(m_other->order(QStringLiteral("hold\timmediate\t530000\t200")), QStringLiteral("held"));
        QCOMPARE(m_user->add(mine), QString());
        QCOMPARE(m_other->next(), QStringLiteral("released"));
        QList<Row> expected = manyRecords();
        expected << held << mine;
        QCOMPARE(readDirectory(path()), expected);
    }

private:
    QString path() const { return m_app.prdata(); }

    NavigatorFixture m_app;
    std::unique_ptr<DirectoryUser> m_user;
    std::unique_ptr<OtherProgram> m_other;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestDirectoryTwoInstances test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_directory_two_instances.moc"
