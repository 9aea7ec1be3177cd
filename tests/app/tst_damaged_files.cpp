// Every file of the application folder that a user can damage, in every way he
// can damage it: the program, started from that folder, shows the message of
// the loader or of the store (or the missing files message), keeps running
// where it can, and never changes the damaged file. Permission rows need a user
// whom permissions bind: run through run-unprivileged.sh.
#include "DamagedFolder.h"
#include "ModalScript.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/RequiredFiles.h"
#include "app/Startup.h"
#include "directory/DirectoryView.h"
#include "map/LandmarkTable.h"
#include "map/MapControl.h"
#include "map/MapView.h"
#include "reference/CityCodesTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

#include <tuple>

using namespace DamagedFolder;
using namespace ModalScripts;

Q_DECLARE_METATYPE(DamagedFolder::Damage)
Q_DECLARE_METATYPE(StartOutcome)

namespace {

// Stand-ins in the expected messages for texts that depend on the system.
const QString kCannotOpen = QStringLiteral("<the loader's \"Cannot open file\">");
const QString kJpegError = QStringLiteral("<JPEG error #n>");

const QString kPhoto = QStringLiteral("talvfoto/07.jpg");
// A map point in the hot spots of 07 and 31, and one in the hot spot of 01 alone.
const QPoint kAt07And31(1930, 1880);
const QPoint kAt01(2080, 1860);

QString captionOf(const QString& code)
{
    const LandmarkTable table = LandmarkTable::load();
    for (const Landmark& l : table.landmarks()) {
        if (l.code == code)
            return l.caption;
    }
    return QString();
}

// The loader's message for a file it cannot open, with the system's reason.
QString cannotOpenMessage(const QString& path)
{
    QFile file(path);
    const QString reason = file.open(QIODevice::ReadOnly) ? QStringLiteral("<opened>") : file.errorString();
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

bool matches(const QStringList& expected, const QStringList& seen, const QString& cannotOpen)
{
    if (expected.size() != seen.size())
        return false;
    static const QRegularExpression jpegError(QStringLiteral("^JPEG error #\\d+$"));
    for (int i = 0; i < expected.size(); ++i) {
        const bool ok = expected[i] == kJpegError    ? jpegError.match(seen[i]).hasMatch()
            : expected[i] == kCannotOpen             ? seen[i] == cannotOpen
                                                     : seen[i] == expected[i];
        if (!ok)
            return false;
    }
    return true;
}

template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_permissionsBind = permissionsBind(); }

    void damagedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<StartOutcome>("outcome");
        QTest::addColumn<QStringList>("messages");

        const StartOutcome runs = StartOutcome::Running;
        const StartOutcome ends = StartOutcome::WindowCreationFailed;
        const QStringList missingFiles{missingFilesMessage()};
        const QStringList none;
        // The phone directory: the message at start-up, then at a sort and at
        // an attempt to add a record.
        const auto thrice = [](const QString& m) { return QStringList{m, m, m}; };
        const QString noPrdata = QStringLiteral("no such table: prdata");
        const QString noColumn = QStringLiteral("no such column: tel");
        const QString malformed = QStringLiteral("database disk image is malformed");
        const QString notADatabase = QStringLiteral("file is not a database");
        const QString cannotOpenDb = QStringLiteral("unable to open database file");
        const QString readOnly = QStringLiteral("attempt to write a readonly database");
        const QString invalidBitmap = QStringLiteral("Bitmap image is not valid");

        struct Row {
            const char* name;
            Damage damage;
            StartOutcome outcome;
            QStringList messages;
        };
        const auto add = [](const QString& file, const QList<Row>& rows) {
            for (const Row& r : rows)
                QTest::addRow("%s %s", qPrintable(file), r.name) << file << r.damage << r.outcome << r.messages;
        };

        add(QStringLiteral("prdata.db"),
            {{"missing", Damage::Missing, StartOutcome::MissingFiles, missingFiles},
             {"empty", Damage::Empty, runs, thrice(noPrdata)},
             {"truncated", Damage::Truncated, runs, thrice(malformed)},
             {"text", Damage::Text, runs, thrice(notADatabase)},
             {"PNG", Damage::Png, runs, thrice(notADatabase)},
             {"other table", Damage::OtherTable, runs, thrice(noPrdata)},
             {"other fields", Damage::OtherFields, runs,
              {noColumn, noColumn, QStringLiteral("table prdata has no column named tel")}},
             {"unreadable", Damage::NoRead, runs, thrice(cannotOpenDb)},
             {"read-only", Damage::NoWrite, runs, {readOnly}}});

        // The marker sheet: its error ends the start-up sequence at the markers.
        add(QStringLiteral("dtdn2.sd"),
            {{"missing", Damage::Missing, StartOutcome::MissingFiles, missingFiles},
             {"empty", Damage::Empty, runs, {invalidBitmap}},
             {"truncated", Damage::Truncated, runs, {invalidBitmap}},
             {"text", Damage::Text, runs, {invalidBitmap}},
             {"PNG", Damage::Png, runs, {invalidBitmap}},
             {"bitmap too small", Damage::SmallBitmap, runs, {invalidBitmap}},
             {"unreadable", Damage::NoRead, runs, {kCannotOpen}},
             {"read-only", Damage::NoWrite, runs, none}});

        // The city codes table is opened while its window is created: an error
        // there ends the run before the main window shows. The enterprise
        // table is opened when its window is shown: the program runs, and
        // the error comes with the press of the window's button.
        for (const auto& [file, table, fields, damaged] :
             {std::tuple{"GOROD.DB", "gorod", "Name, Kod, Id", ends},
              std::tuple{"bussines.db", "bussines", "name, Info", runs}}) {
            const QString noTable = QStringLiteral("no such table: ") + QLatin1String(table);
            const QString otherFields = QStringLiteral("В таблице %1 нет полей %2").arg(QLatin1String(table), QLatin1String(fields));
            add(QLatin1String(file),
                {{"missing", Damage::Missing, damaged, {cannotOpenDb}},
                 {"empty", Damage::Empty, damaged, {noTable}},
                 {"truncated", Damage::Truncated, damaged, {malformed}},
                 {"text", Damage::Text, damaged, {notADatabase}},
                 {"PNG", Damage::Png, damaged, {notADatabase}},
                 {"other table", Damage::OtherTable, damaged, {noTable}},
                 {"other fields", Damage::OtherFields, damaged, {otherFields}},
                 {"unreadable", Damage::NoRead, damaged, {cannotOpenDb}},
                 {"read-only", Damage::NoWrite, runs,
                  QLatin1String(file) == QLatin1String("GOROD.DB") ? QStringList{readOnly} : none}});
        }

        // A landmark's photo, opened by a right click on the map.
        add(kPhoto,
            {{"missing", Damage::Missing, runs, {kCannotOpen}},
             {"empty", Damage::Empty, runs, {kJpegError}},
             {"truncated", Damage::Truncated, runs, {kJpegError}},
             {"text", Damage::Text, runs, {kJpegError}},
             {"PNG", Damage::Png, runs, {kJpegError}},
             {"unreadable", Damage::NoRead, runs, {kCannotOpen}},
             {"read-only", Damage::NoWrite, runs, none}});
    }

    void damagedFile()
    {
        QFETCH(QString, file);
        QFETCH(Damage, damage);
        QFETCH(StartOutcome, outcome);
        QFETCH(QStringList, messages);
        if (needsPermissions(damage) && !m_permissionsBind)
            QSKIP("File permissions do not bind for this user (root): run the test through run-unprivileged.sh");

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(copyTree(appData(), folder.path()));
        const QString path = folder.filePath(file);
        // Another table file of the program under the damaged file's name, or
        // the name of the table the file should hold.
        const QString other = damage == Damage::OtherFields ? QFileInfo(file).baseName().toLower()
            : file == QLatin1String("bussines.db")          ? folder.filePath(QStringLiteral("GOROD.DB"))
            : file == QLatin1String("GOROD.DB")             ? folder.filePath(QStringLiteral("prdata.db"))
                                                            : folder.filePath(QStringLiteral("bussines.db"));
        QVERIFY(damageFile(path, damage, other));
        const QString cannotOpen = cannotOpenMessage(path);
        const QByteArray before = fileBytesAsOwner(path);

        {
            NavigatorWindows windows;
            ModalScript script;
            {
                const EnteredFolder entered(folder.path());
                const StartOutcome started = startNavigator(*static_cast<NavigatorApplication*>(qApp), windows);
                QCOMPARE(started, outcome);
                if (started == StartOutcome::Running)
                    useTheFile(file, damage, windows, script);
                if (QTest::currentTestFailed())
                    return;
            }

            QVERIFY2(matches(messages, script.boxTexts(), cannotOpen),
                     qPrintable(script.boxTexts().join(QStringLiteral(" | "))));
            QCOMPARE(script.stepsLeft(), 0);
            if (outcome != StartOutcome::Running)
                QVERIFY(!windows.form1 || !windows.form1->isVisible());
            checkWhatTheFileGave(file, damage, windows, script);
        }

        // The damaged file is as the damage left it; nothing wrote over it.
        if (damage == Damage::Missing)
            QVERIFY2(!QFileInfo::exists(path), "the program made the missing file");
        else
            QCOMPARE(fileBytesAsOwner(path), before);
        makeWritable(folder.path());
    }

private:
    // Reads the file, giving read permission for the moment where it was taken.
    static QByteArray fileBytesAsOwner(const QString& path)
    {
        const QFileDevice::Permissions was = QFile::permissions(path);
        QFile::setPermissions(path, was | QFile::ReadOwner);
        const QByteArray bytes = fileBytes(path);
        QFile::setPermissions(path, was);
        return bytes;
    }

    // What the user does with the window that uses the file.
    void useTheFile(const QString& file, Damage damage, NavigatorWindows& windows, ModalScript& script)
    {
        TForm1& main = *windows.form1;
        if (file == QLatin1String("prdata.db")) {
            QVERIFY(inLoop([&] { child<QAction>(&main, "N2")->trigger(); }));
            script.then(QStringLiteral("TForm7"), [](QWidget* w) {
                auto* add = static_cast<TForm7*>(w);
                add->Edit1->setText(QStringLiteral("29999"));
                add->Edit2->setText(QStringLiteral("Новиков П.П."));
                add->ComboBox1->setEditText(QStringLiteral("Мира"));
                add->Button1->click();
            });
            // A refused add keeps the dialog open; the user cancels it.
            script.then(QStringLiteral("TForm7"), [](QWidget* w) { static_cast<TForm7*>(w)->Button2->click(); });
            QVERIFY(inLoop([&] { child<QAction>(&main, "N10")->trigger(); }));
        } else if (file == QLatin1String("GOROD.DB")) {
            script.then(QStringLiteral("TForm8"), [](QWidget* w) {
                auto* codes = static_cast<TForm8*>(w);
                codes->Edit1->setText(QStringLiteral("Бар"));
                codes->DBNavigator->button(NavigatorBar::Insert)->click();
                QSqlTableModel* model = codes->table().model();
                const int row = codes->DBGrid1->currentIndex().row();
                model->setData(model->index(row, CityCodesTable::NameColumn), QStringLiteral("Тальвинск"));
                model->setData(model->index(row, CityCodesTable::KodColumn), QStringLiteral("86199"));
                codes->DBNavigator->button(NavigatorBar::Post)->click();
            });
            // After the refused write the search still works.
            script.then(QStringLiteral("TForm8"), [this](QWidget* w) {
                auto* codes = static_cast<TForm8*>(w);
                codes->Edit1->setText(QStringLiteral("Барнаул"));
                m_rowsAfterWrite = codes->table().model()->rowCount();
                codes->done(0);
            });
            QVERIFY(inLoop([&] { child<QToolButton>(&main, "SpeedButton8")->click(); }));
        } else if (file == QLatin1String("bussines.db")) {
            // A table that cannot be opened keeps the window from showing.
            if (damage == Damage::NoWrite)
                script.then(QStringLiteral("TForm14"), [this](QWidget* w) {
                    auto* enterprises = static_cast<TForm14*>(w);
                    QTreeWidgetItem* archive = enterprises->TreeView1->findItems(
                        QStringLiteral("Архив"), Qt::MatchExactly | Qt::MatchRecursive).value(0);
                    QVERIFY(archive);
                    enterprises->TreeView1->setCurrentItem(archive);
                    m_memo = enterprises->DBMemo1->toPlainText();
                    enterprises->done(0);
                });
            QVERIFY(inLoop([&] { child<QToolButton>(&main, "SpeedButton10")->click(); }));
        } else if (file == kPhoto) {
            child<QToolButton>(&main, "SpeedButton4")->click();
            QVERIFY(main.mapView().detailMode());
            const QPoint origin = main.mapView().viewOrigin();
            MapControl* map = &main.mapControl();
            QVERIFY(inLoop([&] { QTest::mouseClick(map, Qt::RightButton, {}, kAt01 - origin); }));
            m_photoBefore = windows.form5->photo();
            QVERIFY(!m_photoBefore.isNull());
            QVERIFY(inLoop([&] { QTest::mouseClick(map, Qt::RightButton, {}, kAt07And31 - origin); }));
        }
    }

    void checkWhatTheFileGave(const QString& file, Damage damage, NavigatorWindows& windows,
                              const ModalScript& script)
    {
        const bool readable = damage == Damage::NoWrite;
        if (file == QLatin1String("dtdn2.sd") && windows.form1) {
            // The markers' error ends the start-up sequence; the steps before stay done.
            const QStringList completed = windows.form1->startupSequence().completedSteps();
            QCOMPARE(completed.contains(QStringLiteral("landmark markers")), readable);
            QVERIFY(completed.contains(QStringLiteral("street labels")));
        } else if (file == QLatin1String("GOROD.DB") && readable) {
            QCOMPARE(m_rowsAfterWrite, 1);
        } else if (file == QLatin1String("bussines.db") && readable) {
            QVERIFY(!m_memo.isEmpty());
        } else if (file == kPhoto) {
            const QStringList expected = readable
                ? QStringList{captionOf("01"), captionOf("07"), captionOf("31")}
                : QStringList{captionOf("01")};
            QCOMPARE(script.titlesOf(QStringLiteral("TForm5")), expected);
            if (!readable) {
                // The photo window keeps the photo and caption it had.
                QCOMPARE(windows.form5->windowTitle(), captionOf("01"));
                QCOMPARE(windows.form5->photo(), m_photoBefore);
            }
        }
    }

    bool m_permissionsBind = false;
    int m_rowsAfterWrite = -1;
    QString m_memo;
    QImage m_photoBefore;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestDamagedFiles test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_damaged_files.moc"
