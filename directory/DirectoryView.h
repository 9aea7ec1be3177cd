#pragma once

#include "directory/DirectoryStatement.h"

#include <QObject>
#include <QString>
#include <QVariant>

#include <array>
#include <functional>
#include <memory>

class DirectoryModel;
class QAction;
class QLabel;
class QTableView;
class QTimer;
class QWidget;
class TableStore;

// One row of prdata, read as text; rowId identifies the row in the store
// (invalid where there is no current record).
struct DirectoryRecord {
    QString tel;
    QString fio;
    QString adr;
    QString kom;
    QVariant rowId;
};

// The phone directory of the main window. Owns DirectoryQuery (the
// one statement of the grid and whether it is open), the table store, the
// model under the grid DBGrid1, the count label Label3 and the sort marks of
// the pop-up menu items N2 to N5. Its object name is "Query1".
//
// Every operation that the store refuses throws AppError with the store's
// message; the operation's remaining steps do not run, and a query closed for
// it stays closed (the grid empty, marks and count as they were).
//
// An open result shows its first rows at once; the rest are read from the
// event loop, a few hundred at a time, until none is left. A select with rows
// still unread keeps the store's read lock on the file, and a second navigator
// on the same folder could then never write, however long the grid sat idle.
class DirectoryView : public QObject {
    Q_OBJECT
public:
    // sortItems: N2 "Телефон", N3 "Адрес", N4 "Фамилия И.О.", N5 "Коментарий".
    DirectoryView(QTableView& grid, QLabel& countLabel, const std::array<QAction*, 4>& sortItems,
                  QObject* parent = nullptr);
    ~DirectoryView() override;

    // The start-up step: opens prdata.db of the application folder, selects
    // "select * from prdata order by fio" and shows the count.
    void OpenDirectory(const QString& appDir);
    // Closes the query, replaces its statement by the select and opens it; the
    // current record is then the first row.
    void ReloadDirectory(const DirectoryStatement& select);
    // Closes the query, replaces its statement by the write and runs it; the
    // query stays closed.
    void ExecuteDirectoryStatement(const DirectoryStatement& write);
    // Label3 := RecordCountText of the open result.
    void ShowRecordCount();
    // The mark of the given sort item on, the other three off (none: all off).
    void SetSortMark(SortField field);
    // A sort item of the pop-up menu, with the search dialog's current texts.
    void SortBy(SortField field, const QString& phone, const QString& name, const QString& street);

    // " Выбрано N записей".
    static QString RecordCountText(qint64 count);

    bool isOpen() const { return m_open; }
    const DirectoryStatement& statement() const { return m_statement; }
    SortField sortMark() const;
    DirectoryModel& model() const { return *m_model; }
    QTableView& grid() const { return m_grid; }
    // The store, opened on first use (throws its error).
    TableStore& store();
    bool hasStore() const { return m_store != nullptr; }

    // The current record: the row at the grid's cursor, read as text; empty
    // fields and no row id where the result is empty. Throws while the query
    // is closed.
    DirectoryRecord currentRecord() const;

    // Asks a question with the buttons Yes and No; true for Yes. A message box
    // unless a test puts another answerer here.
    std::function<bool(QWidget* parent, const QString& question)> confirm;
    static bool askYesNo(QWidget* parent, const QString& question);

private:
    void closeQuery();
    void showSortMark();
    // Reads the next rows of the open result; stops once all are read.
    void readMoreRows();

    QTableView& m_grid;
    QLabel& m_countLabel;
    std::array<QAction*, 4> m_sortItems;
    DirectoryModel* m_model = nullptr;
    // Reads the rows the grid has not asked for yet (readMoreRows).
    QTimer* m_rest = nullptr;
    std::unique_ptr<TableStore> m_store;
    QString m_appDir;
    DirectoryStatement m_statement;
    bool m_open = false;
    SortField m_mark = SortField::None;
};
