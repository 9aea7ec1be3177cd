// The phone directory on 200,000 records: each statement through the
// directory view as the main window runs it, up to the first rows fetched and
// the count shown, against the same statement through the SQLite C API on a
// connection with the same collation and like().
#include "bench/BenchTable.h"

#include "directory/DirectoryModel.h"
#include "directory/DirectoryStatement.h"
#include "directory/DirectoryView.h"
#include "directory/RussianText.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

const QString kPhone = QStringLiteral("2");
const QString kName = QStringLiteral("ова");
const QString kStreet = QStringLiteral("Ленина");

// Each side works on its own copy of the large directory, so that the inserts
// of one never meet the read locks of the other.
struct DirectoryBench {
    QTemporaryDir dir;
    QTableView grid;
    QLabel countLabel;
    std::array<std::unique_ptr<QAction>, 4> actions;
    std::unique_ptr<DirectoryView> view;
    sqlite3* db = nullptr;
    bool ready = false;

    DirectoryBench()
    {
        const QString source = QStringLiteral(TALV_BENCH_LARGE_DIRECTORY);
        QDir(dir.path()).mkdir(QStringLiteral("ours"));
        const QString ours = dir.filePath(QStringLiteral("ours"));
        const QString base = dir.filePath(QStringLiteral("base.db"));
        if (!QFile::copy(source, ours + QStringLiteral("/prdata.db")) || !QFile::copy(source, base)) {
            std::fprintf(stderr, "bench: cannot copy %s\n", qPrintable(source));
            return;
        }
        std::array<QAction*, 4> items{};
        for (std::size_t i = 0; i < items.size(); ++i) {
            actions[i] = std::make_unique<QAction>();
            actions[i]->setCheckable(true);
            items[i] = actions[i].get();
        }
        view = std::make_unique<DirectoryView>(grid, countLabel, items);
        view->OpenDirectory(ours);
        if (sqlite3_open_v2(base.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
            || RussianText::registerWith(db) != SQLITE_OK) {
            std::fprintf(stderr, "bench: cannot open %s\n", qPrintable(base));
            return;
        }
        ready = true;
    }
    ~DirectoryBench()
    {
        view.reset();
        sqlite3_close(db);
    }
};

// Made on first use and released by main while the application still exists:
// the grid and its model must not outlive it.
std::unique_ptr<DirectoryBench>& fixtureSlot()
{
    static std::unique_ptr<DirectoryBench> bench;
    return bench;
}

DirectoryBench& fixture()
{
    if (!fixtureSlot())
        fixtureSlot() = std::make_unique<DirectoryBench>();
    return *fixtureSlot();
}

sqlite3_stmt* prepare(sqlite3* db, const QString& sql, const QVariantList& values)
{
    sqlite3_stmt* statement = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &statement, nullptr);
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray value = values[i].toString().toUtf8();
        sqlite3_bind_text(statement, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    return statement;
}

// The C API side of one reload: the rows the grid's model fetches first,
// every column read as text, then the count.
qint64 directReload(sqlite3* db, const DirectoryStatement& select, int rows)
{
    sqlite3_stmt* statement = prepare(db, select.sql, select.values);
    std::size_t bytes = 0;
    for (int row = 0; row < rows && sqlite3_step(statement) == SQLITE_ROW; ++row) {
        for (int column = 0; column < 4; ++column) {
            sqlite3_column_text(statement, column);
            bytes += std::size_t(sqlite3_column_bytes(statement, column));
        }
        bytes += std::size_t(sqlite3_column_int64(statement, 4));
    }
    sqlite3_finalize(statement);
    benchmark::DoNotOptimize(bytes);
    sqlite3_stmt* counting = prepare(db, select.countSql, select.values);
    qint64 count = -1;
    if (sqlite3_step(counting) == SQLITE_ROW)
        count = sqlite3_column_int64(counting, 0);
    sqlite3_finalize(counting);
    return count;
}

// The rows the view's model fetched on opening the statement, so that the
// C API side reads as many.
int fetchedRows(DirectoryBench& bench)
{
    return bench.view->model().rowCount();
}

void DirectorySearch(benchmark::State& state)
{
    DirectoryBench& bench = fixture();
    if (!bench.ready) {
        state.SkipWithError("no large directory");
        return;
    }
    const DirectoryStatement select = DirectoryStatements::search(kPhone, kName, kStreet);
    for (auto _ : state) {
        bench.view->ReloadDirectory(select);
        bench.view->ShowRecordCount();
    }
    state.counters["rows"] = fetchedRows(bench);
}

void DirectorySearchDirect(benchmark::State& state)
{
    DirectoryBench& bench = fixture();
    if (!bench.ready) {
        state.SkipWithError("no large directory");
        return;
    }
    const DirectoryStatement select = DirectoryStatements::search(kPhone, kName, kStreet);
    bench.view->ReloadDirectory(select);
    const int rows = fetchedRows(bench);
    for (auto _ : state)
        benchmark::DoNotOptimize(directReload(bench.db, select, rows));
}

// The pop-up menu's "Фамилия И.О." with the search dialog's texts empty: the
// whole table in Russian order.
void DirectorySortFio(benchmark::State& state)
{
    DirectoryBench& bench = fixture();
    if (!bench.ready) {
        state.SkipWithError("no large directory");
        return;
    }
    for (auto _ : state) {
        bench.view->SortBy(SortField::Fio, QString(), QString(), QString());
        bench.view->ShowRecordCount();
    }
}

void DirectorySortFioDirect(benchmark::State& state)
{
    DirectoryBench& bench = fixture();
    if (!bench.ready) {
        state.SkipWithError("no large directory");
        return;
    }
    const DirectoryStatement select
        = DirectoryStatements::orderedBy(DirectoryStatements::search(QString(), QString(), QString()), SortField::Fio);
    bench.view->ReloadDirectory(select);
    const int rows = fetchedRows(bench);
    for (auto _ : state)
        benchmark::DoNotOptimize(directReload(bench.db, select, rows));
}

DirectoryStatement benchInsert()
{
    return DirectoryStatements::insert(QStringLiteral("2-99-99"), QStringLiteral("Яковлева Н.С."),
                                       QStringLiteral("Ленина 5-12"), QStringLiteral("дом."));
}

// What the add dialog does after its insert: the whole table again, and the count.
void DirectoryReloadAfterInsert(benchmark::State& state)
{
    DirectoryBench& bench = fixture();
    if (!bench.ready) {
        state.SkipWithError("no large directory");
        return;
    }
    const DirectoryStatement insert = benchInsert();
    for (auto _ : state) {
        state.PauseTiming();
        bench.view->ExecuteDirectoryStatement(insert);
        state.ResumeTiming();
        bench.view->ReloadDirectory(DirectoryStatements::selectAll());
        bench.view->ShowRecordCount();
    }
}

void DirectoryReloadAfterInsertDirect(benchmark::State& state)
{
    DirectoryBench& bench = fixture();
    if (!bench.ready) {
        state.SkipWithError("no large directory");
        return;
    }
    const DirectoryStatement insert = benchInsert();
    const DirectoryStatement select = DirectoryStatements::selectAll();
    bench.view->ReloadDirectory(select);
    const int rows = fetchedRows(bench);
    for (auto _ : state) {
        state.PauseTiming();
        sqlite3_exec(bench.db, "begin", nullptr, nullptr, nullptr);
        sqlite3_stmt* statement = prepare(bench.db, insert.sql, insert.values);
        sqlite3_step(statement);
        sqlite3_finalize(statement);
        sqlite3_exec(bench.db, "commit", nullptr, nullptr, nullptr);
        state.ResumeTiming();
        benchmark::DoNotOptimize(directReload(bench.db, select, rows));
    }
}

} // namespace

void registerDirectoryBenchmarks()
{
    withMedian(benchmark::RegisterBenchmark("DirectorySearch", DirectorySearch), 9);
    withMedian(benchmark::RegisterBenchmark("DirectorySearchDirect", DirectorySearchDirect), 9);
    withMedian(benchmark::RegisterBenchmark("DirectorySortFio", DirectorySortFio), 5, 1);
    withMedian(benchmark::RegisterBenchmark("DirectorySortFioDirect", DirectorySortFioDirect), 5, 1);
    withMedian(benchmark::RegisterBenchmark("DirectoryReloadAfterInsert", DirectoryReloadAfterInsert), 9, 20);
    withMedian(benchmark::RegisterBenchmark("DirectoryReloadAfterInsertDirect", DirectoryReloadAfterInsertDirect), 9, 20);

    BenchTable& t = BenchTable::instance();
    t.addRow({"Directory 200k: search, three conditions", "DirectorySearch", "DirectorySearchDirect", 1.3, 0});
    t.addRow({"Directory 200k: sort by fio, Russian order", "DirectorySortFio", "DirectorySortFioDirect", 1.3, 0});
    t.addRow({"Directory 200k: reload after an insert", "DirectoryReloadAfterInsert",
              "DirectoryReloadAfterInsertDirect", 1.3, 0});
}

void releaseDirectoryBenchmarks()
{
    fixtureSlot().reset();
}
