#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A copy of the assembled application data in a folder of the test's own, so
// that a test may change it and run the program from it.
inline bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists())
        return false;
    QDir().mkpath(to);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

class AppFolderFixture {
public:
    AppFolderFixture() : m_previous(QDir::currentPath())
    {
        m_ready = copyTree(QStringLiteral(TALV_APPDATA_DIR), m_dir.path());
    }
    ~AppFolderFixture() { QDir::setCurrent(m_previous); }

    bool ready() const { return m_ready; }
    QString path() const { return m_dir.path(); }
    // Makes the copy the current directory, as the program is started from it.
    bool enter() const { return QDir::setCurrent(m_dir.path()); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
    bool m_ready = false;
};
