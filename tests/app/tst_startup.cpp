#include "AppFolderFixture.h"
#include "ModalWatcher.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/RequiredFiles.h"
#include "app/Startup.h"
#include "base/AppError.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() { m_previousDir = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_previousDir); }

    void missingFileShowsOneMessage_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("firstMissing");
        QTest::newRow("empty folder") << QStringList{} << "prdata.db";
        QTest::newRow("phone directory missing") << QStringList{"dtdn2.sd"} << "prdata.db";
        QTest::newRow("sprite sheet missing") << QStringList{"prdata.db"} << "dtdn2.sd";
        QTest::newRow("a folder named like the directory") << QStringList{"prdata.db/", "dtdn2.sd"} << "prdata.db";
    }
    void missingFileShowsOneMessage()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, firstMissing);
        QTemporaryDir dir;
        for (const QString& name : present) {
            if (name.endsWith('/'))
                QDir(dir.path()).mkdir(name.chopped(1));
            else
                touch(dir.filePath(name));
        }
        QCOMPARE(firstMissingRequiredFile(dir.path()), firstMissing);
        QDir::setCurrent(dir.path());
        expectOnlyTheMissingFilesMessage();
    }

    void filesBesideTheProgramDoNotCount()
    {
        // The files lie in the folder the program was started from, not in the current directory.
        QTemporaryDir dataDir;
        touch(dataDir.filePath("prdata.db"));
        touch(dataDir.filePath("dtdn2.sd"));
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        QVERIFY(firstMissingRequiredFile(dataDir.path()).isEmpty());
        expectOnlyTheMissingFilesMessage();
    }

    void errorInHandlerIsShownAndTheLoopGoesOn()
    {
        auto* app = static_cast<NavigatorApplication*>(qApp);
        QPushButton failing(QStringLiteral("fail"));
        QPushButton working(QStringLiteral("work"));
        int worked = 0;
        QObject::connect(&failing, &QPushButton::clicked, [] { throw AppError(QStringLiteral("Ошибка обработчика")); });
        QObject::connect(&working, &QPushButton::clicked, [&] { ++worked; });
        failing.show();
        working.show();
        app->setApplicationName(QStringLiteral("ТальвинскНавигатор"));

        ModalWatcher watcher;
        QTest::mouseClick(&failing, Qt::LeftButton);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].text, QStringLiteral("Ошибка обработчика"));
        QCOMPARE(watcher.seen[0].title, QStringLiteral("ТальвинскНавигатор"));
        QCOMPARE(watcher.seen[0].icon, QMessageBox::Critical);

        QTest::mouseClick(&working, Qt::LeftButton);
        QCOMPARE(worked, 1);
        QCOMPARE(watcher.seen.size(), 1);
    }

    void fullStartAndExitThroughTheSponsorWindow()
    {
        QTemporaryDir dir;
        QVERIFY(copyTree(QStringLiteral(TALV_APPDATA_DIR), dir.path()));
        QDir::setCurrent(dir.path());
        auto* app = static_cast<NavigatorApplication*>(qApp);
        NavigatorWindows windows;
        ModalWatcher watcher;
        QCOMPARE(startNavigator(*app, windows), StartOutcome::Running);
        QVERIFY2(watcher.seen.isEmpty(), qPrintable(watcher.seen.value(0).text));

        TForm1& main = *windows.form1;
        QVERIFY(main.isVisible());
        QCOMPARE(main.windowTitle(), QStringLiteral("Тальвинск Навигатор 1.5"));
        QCOMPARE(main.startupSequence().completedSteps(), main.startupSequence().stepNames());
        QVERIFY(!main.splashAlive());
        QVERIFY(main.postalWindow());
        QCOMPARE(main.bannerIndex(), 1);
        QCOMPARE(main.appDir(), dir.path());
        QVERIFY(windows.form8 && windows.form2 && windows.form6 && windows.form14);

        QSignalSpy closed(&main, &TForm1::closed);
        auto* exit = main.findChild<QAction*>(QStringLiteral("N8"));
        QVERIFY(exit);
        exit->trigger();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].className, QStringLiteral("TForm6"));
        QCOMPARE(watcher.seen[0].title, QStringLiteral("Спонсор выпуска Ормалин."));
    }

private:
    void expectOnlyTheMissingFilesMessage()
    {
        auto* app = static_cast<NavigatorApplication*>(qApp);
        NavigatorWindows windows;
        ModalWatcher watcher;
        QCOMPARE(startNavigator(*app, windows), StartOutcome::MissingFiles);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].text, missingFilesMessage());
        QCOMPARE(watcher.seen[0].visibleTopLevels, QStringList{"QMessageBox"});
        QVERIFY(!windows.form1);
        QVERIFY(!windows.form8);
    }

    QString m_previousDir;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
