#pragma once

#include "DirectoryFixture.h"

#include "app/NavigatorApplication.h"
#include "app/NavigatorWindows.h"
#include "app/Startup.h"
#include "directory/DirectoryView.h"
#include "tests/app/AppFolderFixture.h"

#include <QLabel>

// The program started as the user starts it, from an application folder of the
// test's own: a copy of the assembled application data whose phone directory
// holds the test's rows.
class NavigatorFixture {
    // First, so that it goes last: the program's windows close before the folder goes.
    QTemporaryDir m_dir;
    QString m_previousDir;

public:
    ~NavigatorFixture()
    {
        if (!m_previousDir.isEmpty())
            QDir::setCurrent(m_previousDir);
    }

    QString folder() const { return m_dir.path(); }
    QString prdata() const { return m_dir.filePath(QStringLiteral("prdata.db")); }

    // Copies the application data and writes the phone directory.
    bool prepare(const QString& appdata, const QList<DirectoryFixture::Row>& rows)
    {
        if (!m_dir.isValid() || !copyTree(appdata, m_dir.path()))
            return false;
        DirectoryFixture::writeDirectory(prdata(), rows);
        return !QTest::currentTestFailed();
    }

    // Starts the program from the folder; what went wrong, or empty.
    QString start()
    {
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        DirectoryFixture::DialogDriver driver;
        if (startNavigator(*static_cast<NavigatorApplication*>(qApp), windows) != StartOutcome::Running)
            return QStringLiteral("the program did not start");
        if (!driver.seen.isEmpty())
            return QStringLiteral("start-up showed ") + driver.seen.first().className + QStringLiteral(": ")
                + driver.seen.first().text;
        main = windows.form1.get();
        view = main->findChild<DirectoryView*>(QStringLiteral("Query1"));
        label3 = main->findChild<QLabel*>(QStringLiteral("Label3"));
        return view && label3 ? QString() : QStringLiteral("no Query1 or Label3");
    }

    QAction* action(const char* name) const
    {
        auto* a = main->findChild<QAction*>(QLatin1String(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }

    NavigatorWindows windows;
    TForm1* main = nullptr;
    DirectoryView* view = nullptr;
    QLabel* label3 = nullptr;
};
