// Hostile text typed into the fields of the running program outside the phone
// directory: the city codes window's two filter fields and the cells of its
// grid, the postal index window's name and index fields, the enterprise
// window's locate (driven by the node chosen in its tree) and the main window's
// street field with "Найти". Every filter and search takes the text literally.
// What the program keeps of a typed text: the grid's Name and Kod cells are
// cut at 30 and 10 UTF-16 units between characters; nothing else is changed.
#include "AppFolderFixture.h"
#include "HostileInputs.h"
#include "HostileStore.h"
#include "ModalWatcher.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"
#include "map/MapView.h"
#include "map/StreetFinder.h"
#include "reference/CityCodesTable.h"
#include "reference/EnterpriseTable.h"
#include "reference/Outline.h"
#include "reference/TForm15.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

using namespace HostileInputs;
using HostileStore::StoredRow;

namespace {

const char kGorodRows[] = "select rowid, Name, Kod, Id from gorod order by rowid";
const char kBussinesRows[] = "select rowid, name, Info from bussines order by rowid";

bool blank(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 32; });
}

// The texts an edit field holds one after another while enter() puts the text
// in: empty first, then key by key, or the whole text at once where it is set.
QStringList textsOnTheWay(const QString& text)
{
    QStringList texts{QString()};
    if (!typeable(text))
        return texts << text;
    QString typed;
    for (char32_t c : text.toUcs4())
        texts << (typed += QString::fromUcs4(&c, 1));
    return texts;
}

void addRowsAndProbes(const QString& beginning)
{
    addRows();
    for (const QString& probe : wildcardProbes(beginning))
        QTest::newRow(qPrintable(QStringLiteral("probe ") + probe)) << probe;
}

} // namespace

class TestHostileReference : public QObject {
    Q_OBJECT

    // First, so that it goes last: the program's windows close before the folder goes.
    AppFolderFixture m_folder;
    NavigatorWindows m_windows;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.ready());
        // Beside the shipped rows: each hostile text, and what only a filter
        // that took a character of it for a wildcard, or ignored case, would list.
        QList<QStringList> cities;
        QList<QStringList> enterprises;
        for (const QString& decoy : decoys()) {
            cities << QStringList{decoy, decoy, QStringLiteral("0")};
            enterprises << QStringList{decoy, QStringLiteral("Ложная запись")};
        }
        for (const Input& input : inputs()) {
            cities << QStringList{input.text, input.text, QStringLiteral("0")};
            enterprises << QStringList{input.text + QStringLiteral(" (запись)"),
                                       QStringLiteral("Сведения: ") + QLatin1String(input.name)};
        }
        QVERIFY(HostileStore::writeRows(file("GOROD.DB"), "insert into gorod (Name, Kod, Id) values (?, ?, ?)", cities) > 0);
        QVERIFY(HostileStore::writeRows(file("bussines.db"), "insert into bussines (name, Info) values (?, ?)",
                                        enterprises) > 0);
        QVERIFY(m_folder.enter());
        QCOMPARE(startNavigator(*static_cast<NavigatorApplication*>(qApp), m_windows), StartOutcome::Running);
        m_windows.form8->confirmDelete = [] { return true; };
        m_windows.form8->show();
        m_windows.form14->show();
        m_windows.form1->postalWindow()->show();
    }

    // Each field alone filters: the rows whose field begins with the typed
    // text, case and every character counting, or every row for a blank text.
    void cityCodeFiltersTakeTheTextLiterally_data() { addRowsAndProbes(QStringLiteral("Тве")); }
    void cityCodeFiltersTakeTheTextLiterally()
    {
        QFETCH(QString, text);
        TForm8& form = *m_windows.form8;
        ModalWatcher watcher;
        for (int column : {int(CityCodesTable::NameColumn), int(CityCodesTable::KodColumn)}) {
            QLineEdit* field = column == CityCodesTable::NameColumn ? form.Edit1 : form.Edit2;
            QCOMPARE(errorOf([&] { enter(field, text); }), QString());
            QCOMPARE(field->text(), text);
            QCOMPARE(listedCities(), citiesBeginningWith(column, text));
            field->clear();
        }
        QCOMPARE(watcher.seen.size(), 0);
    }

    // A row inserted with the navigator, typed into its Name and Kod cells and
    // posted, is stored as the cells held it; the name filter then lists it.
    void cityCodesRowPostedReadsBack_data() { addRows(); }
    void cityCodesRowPostedReadsBack()
    {
        QFETCH(QString, text);
        TForm8& form = *m_windows.form8;
        ModalWatcher watcher;
        QCOMPARE(errorOf([&] { navigatorButton("insert")->click(); }), QString());
        QStringList held;
        for (int column : {int(CityCodesTable::NameColumn), int(CityCodesTable::KodColumn)}) {
            const QModelIndex cell = form.DBGrid1->currentIndex().siblingAtColumn(column);
            form.DBGrid1->setCurrentIndex(cell);
            form.DBGrid1->edit(cell);
            auto* editor = qobject_cast<QLineEdit*>(form.DBGrid1->indexWidget(cell));
            QVERIFY(editor);
            enter(editor, text);
            held << editor->text();
            // Enter writes the cell and closes its editor, once the key is handled.
            QTest::keyClick(editor, Qt::Key_Return);
            QTRY_VERIFY(!form.DBGrid1->indexWidget(cell));
            QCOMPARE(form.table().model()->data(cell).toString(), held.last());
        }
        QCOMPARE(held, QStringList({heldIn(text, 30), heldIn(text, 10)}));
        QVERIFY(wholeCharacters(held[0]) && wholeCharacters(held[1]));
        QCOMPARE(errorOf([&] { navigatorButton("post")->click(); }), QString());
        const StoredRow posted = HostileStore::readRows(file("GOROD.DB"), kGorodRows).last();
        QCOMPARE(posted.fields, QList<QByteArray>({held[0].toUtf8(), held[1].toUtf8(), QByteArray()}));

        QCOMPARE(errorOf([&] { enter(form.Edit1, held[0]); }), QString());
        const QList<QStringList> listed = listedCities();
        QVERIFY(listed.contains(QStringList({held[0], held[1], QString()})));
        QCOMPARE(listed, citiesBeginningWith(CityCodesTable::NameColumn, held[0]));
        form.Edit1->clear();
        QCOMPARE(watcher.seen.size(), 0);
    }

    // "Найти" and "Наити далее" from either field find the first node, from
    // the start or after the last match, that holds the text; with none the
    // selection, the path and the last match stay.
    void postalSearchTakesTheTextLiterally_data() { addRowsAndProbes(QStringLiteral("МОСКВ")); }
    void postalSearchTakesTheTextLiterally()
    {
        QFETCH(QString, text);
        TForm15& form = *m_windows.form1->postalWindow();
        for (QLineEdit* field : {form.Edit1, form.Edit2}) {
            QLineEdit* other = field == form.Edit1 ? form.Edit2 : form.Edit1;
            form.Edit2->clear();
            form.Edit1->setText(QStringLiteral("МАЙКОП"));
            form.SpeedButton1->click();
            QVERIFY(form.selectedNode() > 0);
            other->setText(QStringLiteral("385000"));
            enter(field, text);
            QCOMPARE(field->text(), text);
            QCOMPARE(other->text(), QString()); // the user's edit empties the other field

            for (QToolButton* button : {form.SpeedButton1, form.SpeedButton3}) {
                const int selected = form.selectedNode();
                const int last = form.LastFoundIndex();
                const QString path = form.Label3->text();
                const int expected = firstNodeHolding(text, button == form.SpeedButton1 ? 0 : last + 1);
                button->click();
                QCOMPARE(form.selectedNode(), expected < 0 ? selected : expected);
                QCOMPARE(form.LastFoundIndex(), expected < 0 ? last : expected);
                if (expected < 0)
                    QCOMPARE(form.Label3->text(), path);
            }
        }
    }

    // The enterprise window has no field of its own: the node chosen in its
    // tree (which its hidden button reads from an outline file) is the text it
    // locates. The description shown is that of the first record whose name
    // begins with the node's text, case and every character counting.
    void enterpriseLocateTakesTheTextLiterally_data() { addRows(); }
    void enterpriseLocateTakesTheTextLiterally()
    {
        QFETCH(QString, text);
        TForm14& form = *m_windows.form14;
        const QString known = QStringLiteral("Аптеки");
        fillTree(form.TreeView1, {{0, known}, {0, text}});
        form.TreeView1->setCurrentItem(topLevelItem(known));
        const QString before = form.DBMemo1->toPlainText();
        QCOMPARE(before, infoOfFirstNameBeginningWith(known));
        form.TreeView1->setCurrentItem(topLevelItem(text));
        const QString expected = infoOfFirstNameBeginningWith(text);
        QCOMPARE(form.DBMemo1->toPlainText(), expected.isNull() ? before : expected);
    }

    // The street field selects the first name that begins with its text, as
    // it stands after each key; "Найти" and Enter look the selected name up.
    void streetFieldSelectsLiterally_data() { addRowsAndProbes(QStringLiteral("Лен")); }
    void streetFieldSelectsLiterally()
    {
        QFETCH(QString, text);
        auto* group = m_windows.form1->findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
        QVERIFY(group);
        auto* edit = group->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        auto* list = group->findChild<QListWidget*>(QStringLiteral("ListBox1"));
        auto* find = group->findChild<QToolButton*>(QStringLiteral("SpeedButton1"));
        QVERIFY(edit && list && find);
        ModalWatcher watcher;
        enter(edit, text);
        QCOMPARE(edit->text(), text);

        QString expected;
        for (const QString& shown : textsOnTheWay(text)) {
            for (int i = 0; i < list->count(); ++i) {
                if (list->item(i)->text().startsWith(shown, Qt::CaseInsensitive)) {
                    expected = list->item(i)->text();
                    break;
                }
            }
        }
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().first()->text(), expected);
        QCOMPARE(find->isEnabled(), !text.isEmpty());

        StreetFinder& finder = *m_windows.form1->streetFinder();
        const StreetRow* row = finder.catalogue().find(expected);
        const int highlighted = row ? row->street : finder.highlightedStreet();
        m_windows.form1->mapView().setDetailMode(false);
        find->click();
        QVERIFY(m_windows.form1->mapView().detailMode());
        QCOMPARE(finder.highlightedStreet(), highlighted);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(finder.highlightedStreet(), highlighted);
        QCOMPARE(watcher.seen.size(), 0);
    }

private:
    QString file(const char* name) const { return m_folder.path() + QLatin1Char('/') + QLatin1String(name); }

    QToolButton* navigatorButton(const char* name) const
    {
        auto* button = m_windows.form8->DBNavigator->findChild<QToolButton*>(QLatin1String(name));
        if (!button)
            qFatal("no navigator button %s", name);
        return button;
    }

    // The rows the city codes grid lists (Name, Kod, Id), sorted.
    QList<QStringList> listedCities() const
    {
        CityCodesTable& table = m_windows.form8->table();
        table.fetchAll();
        QSqlTableModel* model = table.model();
        QList<QStringList> rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < 3; ++c)
                row << model->data(model->index(r, c)).toString();
            rows << row;
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    // The rows of the file whose field begins with the text; all for a blank text.
    QList<QStringList> citiesBeginningWith(int column, const QString& text) const
    {
        QList<QStringList> rows;
        for (const StoredRow& row : HostileStore::readRows(file("GOROD.DB"), kGorodRows)) {
            if (blank(text) || row.texts().at(column).startsWith(text))
                rows << row.texts();
        }
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    int firstNodeHolding(const QString& text, int from) const
    {
        const PostalTree& tree = m_windows.form1->postalWindow()->tree();
        for (int i = from; !text.isEmpty() && i < tree.size(); ++i) {
            if (tree.text(i).contains(text))
                return i;
        }
        return -1;
    }

    // The Info of the first record, in table order, whose name begins with the
    // text; a null text when there is none.
    QString infoOfFirstNameBeginningWith(const QString& text) const
    {
        for (const StoredRow& row : HostileStore::readRows(file("bussines.db"), kBussinesRows)) {
            if (row.texts().at(0).startsWith(text))
                return row.texts().at(1);
        }
        return QString();
    }

    QTreeWidgetItem* topLevelItem(const QString& text) const
    {
        QTreeWidget* tree = m_windows.form14->TreeView1;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            if (tree->topLevelItem(i)->text(0) == text)
                return tree->topLevelItem(i);
        }
        return nullptr;
    }
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestHostileReference test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_hostile_reference.moc"
