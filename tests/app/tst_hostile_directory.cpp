// Hostile text typed into the phone directory's dialogs of the running program:
// the add dialog stores it and the grid shows it as the store holds it, the
// change dialog shows and stores it, the delete question carries it, and the
// search dialog finds exactly the records that hold it. The store is read past
// the program, byte for byte. What the program keeps of a typed text: each
// field trimmed of blanks and control characters at its two ends, the address
// joined of street, house and flat, and the search dialog's phone field cut at
// 10 UTF-16 units between characters.
#include "AppFolderFixture.h"
#include "HostileInputs.h"
#include "HostileStore.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"
#include "directory/DirectoryModel.h"
#include "directory/DirectoryView.h"
#include "directory/TableStore.h"
#include "map/StreetFinder.h"

#include <QComboBox>
#include <QPushButton>
#include <QSqlRecord>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

using namespace HostileInputs;
using HostileStore::StoredRow;

namespace {

const char kSelectAll[] = "select rowid, tel, fio, adr, kom from prdata order by rowid";
const char kInsert[] = "insert into prdata (tel, fio, adr, kom) values (?, ?, ?, ?)";

QList<QByteArray> utf8(const QStringList& texts)
{
    QList<QByteArray> bytes;
    for (const QString& text : texts)
        bytes << text.toUtf8();
    return bytes;
}

// The address the add dialog stores for a street, a house and a flat.
QString joinedAddress(const QString& street, const QString& house, const QString& flat)
{
    QString address = trimmedRule(street);
    if (!trimmedRule(house).isEmpty())
        address += QLatin1Char(' ') + trimmedRule(house);
    if (!trimmedRule(flat).isEmpty())
        address += QStringLiteral(" кв ") + trimmedRule(flat);
    return address;
}

// Whether a field holds a search text the way the directory's like condition
// finds it: case folded, "%" standing for any run of characters and "_" for any
// one character, every other character for itself. The pieces between the
// percent signs are found left to right, each at its first place, which is
// all a pattern without anchors needs.
bool containsFolded(const QString& field, const QString& text)
{
    const QList<uint> haystack = field.toCaseFolded().toUcs4();
    const QList<uint> pattern = text.toCaseFolded().toUcs4();
    const auto matchesAt = [&](qsizetype at, qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to; ++k) {
            if (pattern[k] != '_' && pattern[k] != haystack[at + k - from])
                return false;
        }
        return true;
    };
    qsizetype position = 0;
    qsizetype piece = 0;
    while (piece <= pattern.size()) {
        qsizetype end = pattern.indexOf(uint('%'), piece);
        if (end < 0)
            end = pattern.size();
        qsizetype at = position;
        while (at + (end - piece) <= haystack.size() && !matchesAt(at, piece, end))
            ++at;
        if (at + (end - piece) > haystack.size())
            return false;
        position = at + (end - piece);
        piece = end + 1;
    }
    return true;
}

} // namespace

class TestHostileDirectory : public QObject {
    Q_OBJECT

    // First, so that it goes last: the program's windows close before the folder goes.
    AppFolderFixture m_folder;
    NavigatorWindows m_windows;
    DirectoryView* m_view = nullptr;
    QStringList m_questions;
    QStringList m_unexpected;
    QString m_searchError;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.ready());
        QList<QStringList> decoyRows;
        for (const QString& decoy : decoys())
            decoyRows << QStringList{decoy, decoy, decoy, decoy};
        QVERIFY(HostileStore::writeRows(prdata(), kInsert, decoyRows) > 0);
        QVERIFY(m_folder.enter());
        QCOMPARE(startNavigator(*static_cast<NavigatorApplication*>(qApp), m_windows), StartOutcome::Running);
        m_view = m_windows.form1->findChild<DirectoryView*>(QStringLiteral("Query1"));
        QVERIFY(m_view);
        m_view->confirm = [this](QWidget*, const QString& question) {
            m_questions << question;
            return true;
        };
    }

    void init()
    {
        m_questions.clear();
        m_unexpected.clear();
    }

    void cleanup() { QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(QLatin1Char('\n')))); }

    void addStoresAndShowsTheText_data() { addRows(); }
    void addStoresAndShowsTheText()
    {
        QFETCH(QString, text);
        QString error;
        throughModal([this] { action("N10")->trigger(); },
                     [&](QDialog& dialog) {
                         auto* add = qobject_cast<TForm7*>(&dialog);
                         if (!add) {
                             error = QStringLiteral("not the add dialog");
                             return;
                         }
                         for (QLineEdit* field : {add->Edit1, add->Edit2, add->ComboBox1->lineEdit(), add->Edit3,
                                                  add->Edit4, add->Edit5}) {
                             enter(field, text);
                             if (field->text() != text)
                                 error = field->objectName() + QStringLiteral(" holds another text");
                         }
                         if (error.isEmpty())
                             error = errorOf([add] { add->Button1->click(); });
                     },
                     &m_unexpected);
        QCOMPARE(error, QString());

        const QString t = trimmedRule(text);
        const QStringList expected{t, t, joinedAddress(text, text, text), t};
        const StoredRow added = HostileStore::readRows(prdata(), kSelectAll).last();
        QCOMPARE(added.fields, utf8(expected));
        const int row = gridRowOf(added.rowid);
        QVERIFY(row >= 0);
        QCOMPARE(gridTexts(row), expected);

        // "Поиск на карте": the address names no street, so the map stays.
        StreetFinder* finder = m_windows.form1->streetFinder();
        const int highlighted = finder->highlightedStreet();
        select(row);
        QCOMPARE(errorOf([this] { m_windows.form1->findChild<QToolButton*>(QStringLiteral("SpeedButton2"))->click(); }),
                 QString());
        QCOMPARE(finder->highlightedStreet(), highlighted);

        // The delete question carries the phone and the name as stored, and
        // that record alone goes.
        const qsizetype before = HostileStore::readRows(prdata(), kSelectAll).size();
        select(gridRowOf(added.rowid));
        QCOMPARE(errorOf([this] { action("N11")->trigger(); }), QString());
        QCOMPARE(m_questions, QStringList{QStringLiteral("Удалить запись? \"") + t + QStringLiteral(", ") + t
                                          + QStringLiteral(" ... \"")});
        const QList<StoredRow> after = HostileStore::readRows(prdata(), kSelectAll);
        QCOMPARE(after.size(), before - 1);
        QVERIFY(std::none_of(after.begin(), after.end(), [&](const StoredRow& r) { return r.rowid == added.rowid; }));
    }

    void changeShowsAndStoresTheText_data() { addRows(); }
    void changeShowsAndStoresTheText()
    {
        QFETCH(QString, text);
        const QStringList original{QStringLiteral("00001"), QStringLiteral("Исходная запись"), QStringLiteral("Мира 1"),
                                   QStringLiteral("исходный")};
        const qint64 id = storeRecord(original);
        QVERIFY(id > 0);
        action("N4")->trigger(); // lists the directory again, the new record in it
        select(gridRowOf(id));
        QStringList shown;
        QString error;
        throughModal([this] { action("N9")->trigger(); },
                     [&](QDialog& dialog) {
                         auto* change = qobject_cast<TForm9*>(&dialog);
                         if (!change)
                             return;
                         for (QLineEdit* field : {change->Edit1, change->Edit2, change->Edit3, change->Edit4}) {
                             shown << field->text();
                             enter(field, text);
                             if (field->text() != text)
                                 error = field->objectName() + QStringLiteral(" holds another text");
                         }
                         if (error.isEmpty())
                             error = errorOf([change] { change->Button1->click(); });
                     },
                     &m_unexpected);
        QCOMPARE(shown, original);
        QCOMPARE(error, QString());
        QCOMPARE(m_questions, QStringList{QStringLiteral("Изменить запись?")});
        const QString t = trimmedRule(text);
        QCOMPARE(storedRow(id).fields, utf8({t, t, t, t}));
        QCOMPARE(gridTexts(gridRowOf(id)), QStringList({t, t, t, t}));

        // Opened again on the changed record, the dialog shows what is stored.
        select(gridRowOf(id));
        shown.clear();
        throughModal([this] { action("N9")->trigger(); },
                     [&](QDialog& dialog) {
                         if (auto* change = qobject_cast<TForm9*>(&dialog)) {
                             for (QLineEdit* field : {change->Edit1, change->Edit2, change->Edit3, change->Edit4})
                                 shown << field->text();
                             change->Button2->click();
                         }
                     },
                     &m_unexpected);
        QCOMPARE(shown, QStringList({t, t, t, t}));
        m_view->store().execute(DirectoryStatements::remove(id));
    }

    // Each of the three search fields alone, then a sort item, which applies
    // the dialog's texts again. The hidden house and flat fields take part in
    // no search.
    void searchFindsExactlyTheRecordsHoldingTheText_data() { addRows(); }
    void searchFindsExactlyTheRecordsHoldingTheText()
    {
        QFETCH(QString, text);
        const QString t = trimmedRule(text);
        const qint64 id = storeRecord({t, t, t, t});
        QVERIFY(id > 0);
        for (int column : {0, 1, 2}) {
            QString held;
            const QList<qint64> found = search(column, text, &held);
            QCOMPARE(held, column == 0 ? heldIn(text, 10) : text);
            QVERIFY(wholeCharacters(held));
            QCOMPARE(m_searchError, QString());
            const QList<qint64> expected = holding(column, trimmedRule(held));
            QCOMPARE(found, expected);
            action("N2")->trigger();
            QCOMPARE(gridRowIds(), expected);
        }
        m_view->store().execute(DirectoryStatements::remove(id));
    }

    // The beginning of a name that is in the directory, followed by a character
    // that is a wildcard somewhere: "%" and "_" are the like condition's own
    // wildcards and find the names that begin so; "*", "?" and brackets are
    // plain characters that no name holds.
    void searchWildcardsAreOnlyThoseOfLike_data()
    {
        QTest::addColumn<QString>("text");
        for (const QString& probe : wildcardProbes(QStringLiteral("Иван")))
            QTest::newRow(qPrintable(probe)) << probe;
    }
    void searchWildcardsAreOnlyThoseOfLike()
    {
        QFETCH(QString, text);
        QVERIFY(!holding(1, QStringLiteral("Иван")).isEmpty());
        for (int column : {1, 2}) {
            const QList<qint64> found = search(column, text, nullptr);
            QCOMPARE(m_searchError, QString());
            const QList<qint64> expected = holding(column, text);
            QCOMPARE(found, expected);
            if (column == 1)
                QCOMPARE(expected.isEmpty(), !text.endsWith(QLatin1Char('%')) && !text.endsWith(QLatin1Char('_')));
        }
    }

private:
    QString prdata() const { return m_folder.path() + QStringLiteral("/prdata.db"); }

    QAction* action(const char* name) const
    {
        auto* item = m_windows.form1->findChild<QAction*>(QLatin1String(name));
        if (!item)
            qFatal("no action %s", name);
        return item;
    }

    // Searches through the dialog with the text in one field (0 phone, 1 name,
    // 2 street; the hidden house and flat fields hold it too) and returns the
    // row ids the grid then lists, sorted; `held` gets what the field held,
    // m_searchError the error of "Ок".
    QList<qint64> search(int column, const QString& text, QString* held)
    {
        QString& error = m_searchError;
        error.clear();
        throughModal([this] { action("N6")->trigger(); },
                     [&](QDialog& dialog) {
                         auto* find = qobject_cast<TForm2*>(&dialog);
                         if (!find)
                             return;
                         find->Button2->click();
                         enter(find->Edit4, text);
                         enter(find->Edit5, text);
                         QLineEdit* field = column == 0 ? find->Edit1
                             : column == 1              ? find->Edit2
                                                        : find->ComboBox1->lineEdit();
                         enter(field, text);
                         if (held)
                             *held = field->text();
                         error = errorOf([find] { find->Button1->click(); });
                     },
                     &m_unexpected);
        return gridRowIds();
    }

    // The row ids of the records whose field holds the text, case folded; every
    // record for an empty text. Sorted.
    QList<qint64> holding(int column, const QString& text) const
    {
        QList<qint64> ids;
        for (const StoredRow& row : HostileStore::readRows(prdata(), kSelectAll)) {
            if (text.isEmpty() || containsFolded(row.texts().at(column), text))
                ids << row.rowid;
        }
        return ids;
    }

    // Stores a record through the program's own connection, whose open grid
    // keeps other connections from writing; returns its row id.
    qint64 storeRecord(const QStringList& f)
    {
        m_view->store().execute(DirectoryStatements::insert(f[0], f[1], f[2], f[3]));
        return HostileStore::readRows(prdata(), kSelectAll).last().rowid;
    }

    StoredRow storedRow(qint64 rowid) const
    {
        for (const StoredRow& row : HostileStore::readRows(prdata(), kSelectAll)) {
            if (row.rowid == rowid)
                return row;
        }
        return {};
    }

    DirectoryModel& model() const
    {
        DirectoryModel& m = m_view->model();
        while (m.canFetchMore())
            m.fetchMore();
        return m;
    }

    QList<qint64> gridRowIds() const
    {
        QList<qint64> ids;
        for (int r = 0; r < model().rowCount(); ++r)
            ids << model().record(r).value(kRowIdColumn).toLongLong();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    int gridRowOf(qint64 rowid) const
    {
        for (int r = 0; r < model().rowCount(); ++r) {
            if (model().record(r).value(kRowIdColumn).toLongLong() == rowid)
                return r;
        }
        return -1;
    }

    // The four texts the grid shows in a row.
    QStringList gridTexts(int row) const
    {
        QStringList texts;
        for (int c = 0; c < 4; ++c)
            texts << model().data(model().index(row, c)).toString();
        return texts;
    }

    void select(int row) { m_view->grid().setCurrentIndex(model().index(row, 1)); }
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestHostileDirectory test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hostile_directory.moc"
