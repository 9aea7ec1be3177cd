#include "base/AppError.h"
#include "launcher/UserFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// What a folder entry is, as the launcher leaves it: "copy:<bytes>",
// "link:<target>", "dir", or "none".
QString entry(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return QStringLiteral("link:") + info.symLinkTarget();
    if (info.isDir())
        return QStringLiteral("dir");
    if (info.isFile())
        return QStringLiteral("copy:") + QString::fromUtf8(readAll(path));
    return QStringLiteral("none");
}

QString prepareFailure(const QString& installed, const QString& folder)
{
    try {
        UserFolder::prepare(installed, folder);
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

} // namespace

// An installation of small stand-in files and a home folder beside it.
class UserFolderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void pathFollowsTheXdgRule_data();
    void pathFollowsTheXdgRule();
    void pathWithoutAnyHomeIsRefused();
    void firstStartMakesThePrivateFolder();
    void laterStartKeepsWhatIsTheUsers_data();
    void laterStartKeepsWhatIsTheUsers();
    void folderThatCannotBeMadeIsReported_data();
    void folderThatCannotBeMadeIsReported();

private:
    QString installed(const QString& name) const { return m_installed + QLatin1Char('/') + name; }

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_installed;
    QString m_folder;
};

void UserFolderTest::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_installed = m_root->filePath(QStringLiteral("usr/share/talvinsk"));
    m_folder = m_root->filePath(QStringLiteral("home/.local/share/talvinsk"));
    QVERIFY(writeFile(installed(QStringLiteral("prdata.db")), "pristine directory"));
    QVERIFY(writeFile(installed(QStringLiteral("GOROD.DB")), "pristine codes"));
    QVERIFY(writeFile(installed(QStringLiteral("dtdn2.sd")), "markers"));
    QVERIFY(writeFile(installed(QStringLiteral("bussines.db")), "enterprises"));
    QVERIFY(writeFile(installed(QStringLiteral("talvfoto/01.jpg")), "photo"));
}

void UserFolderTest::pathFollowsTheXdgRule_data()
{
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("expected");
    QTest::newRow("XDG_DATA_HOME set") << "/data/ivan" << "/home/ivan" << "/data/ivan/talvinsk";
    QTest::newRow("unset") << "" << "/home/ivan" << "/home/ivan/.local/share/talvinsk";
    QTest::newRow("relative, so ignored") << "data" << "/home/ivan" << "/home/ivan/.local/share/talvinsk";
    QTest::newRow("trailing slash") << "/data/ivan/" << "" << "/data/ivan/talvinsk";
}

void UserFolderTest::pathFollowsTheXdgRule()
{
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, home);
    QFETCH(QString, expected);
    QCOMPARE(UserFolder::pathFor(xdgDataHome, home), expected);
}

void UserFolderTest::pathWithoutAnyHomeIsRefused()
{
    QString message;
    try {
        UserFolder::pathFor(QString(), QStringLiteral("relative/home"));
    } catch (const AppError& error) {
        message = error.message();
    }
    QVERIFY2(message.contains(QStringLiteral("HOME")), qPrintable(message));
}

void UserFolderTest::firstStartMakesThePrivateFolder()
{
    UserFolder::prepare(m_installed, m_folder);

    QCOMPARE(entry(m_folder + QStringLiteral("/prdata.db")), QStringLiteral("copy:pristine directory"));
    QCOMPARE(entry(m_folder + QStringLiteral("/GOROD.DB")), QStringLiteral("copy:pristine codes"));
    for (const QString& name : UserFolder::sharedFiles())
        QCOMPARE(entry(m_folder + QLatin1Char('/') + name), QStringLiteral("link:") + installed(name));
    // The copies are the user's to write; the folders made are theirs alone.
    QVERIFY(QFileInfo(m_folder + QStringLiteral("/prdata.db")).permissions() & QFileDevice::WriteOwner);
    for (const QString& made : {m_folder, QFileInfo(m_folder).absolutePath()}) {
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(made).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0700));
    }
    // Nothing else is left in the folder (no half copies, no spare links).
    QStringList expected = UserFolder::editableFiles() + UserFolder::sharedFiles();
    expected.sort();
    QStringList present = QDir(m_folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    present.sort();
    QCOMPARE(present, expected);
    // The installation is untouched.
    QCOMPARE(readAll(installed(QStringLiteral("prdata.db"))), QByteArray("pristine directory"));
}

void UserFolderTest::laterStartKeepsWhatIsTheUsers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before"); // "copy:<bytes>", "link:<target>" or "dir"; target "@" = the installation
    QTest::addColumn<QString>("after");
    QTest::newRow("edited directory") << "prdata.db" << "copy:records of the user" << "copy:records of the user";
    QTest::newRow("edited codes") << "GOROD.DB" << "copy:codes of the user" << "copy:codes of the user";
    QTest::newRow("link into an earlier place") << "dtdn2.sd" << "link:/opt/old-talvinsk/share/talvinsk/dtdn2.sd"
                                                << "link:@/dtdn2.sd";
    QTest::newRow("link already right") << "talvfoto" << "link:@/talvfoto" << "link:@/talvfoto";
    QTest::newRow("own photo folder") << "talvfoto" << "dir" << "dir";
    QTest::newRow("own enterprise table") << "bussines.db" << "copy:own enterprises" << "copy:own enterprises";
}

void UserFolderTest::laterStartKeepsWhatIsTheUsers()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QString path = m_folder + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(m_folder));
    if (before.startsWith(QLatin1String("copy:")))
        QVERIFY(writeFile(path, before.mid(5).toUtf8()));
    else if (before.startsWith(QLatin1String("link:")))
        QVERIFY(QFile::link(QString(before.mid(5)).replace(QLatin1Char('@'), m_installed), path));
    else
        QVERIFY(QDir().mkpath(path));

    UserFolder::prepare(m_installed, m_folder);
    UserFolder::prepare(m_installed, m_folder);

    QCOMPARE(entry(path), QString(after).replace(QLatin1Char('@'), m_installed));
    // Every other file is in place as on a first start.
    for (const QString& other : UserFolder::sharedFiles()) {
        if (other != name)
            QCOMPARE(entry(m_folder + QLatin1Char('/') + other), QStringLiteral("link:") + installed(other));
    }
    for (const QString& other : UserFolder::editableFiles()) {
        if (other != name)
            QVERIFY(entry(m_folder + QLatin1Char('/') + other).startsWith(QLatin1String("copy:pristine")));
    }
}

void UserFolderTest::folderThatCannotBeMadeIsReported_data()
{
    QTest::addColumn<QString>("blocker");   // what is put in the way, relative to the home folder
    QTest::addColumn<QString>("missing");   // a file taken out of the installation
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file in the folder's place") << ".local/share/talvinsk" << "" << "лежит файл";
    QTest::newRow("a file in a parent's place") << ".local" << "" << "лежит файл";
    QTest::newRow("a parent without write access") << "read-only:.local/share" << "" << "нет прав доступа";
    QTest::newRow("a folder without write access") << "read-only:.local/share/talvinsk" << "" << "нельзя записывать";
    QTest::newRow("an installation without photos") << "" << "talvfoto" << "Установите программу заново";
}

void UserFolderTest::folderThatCannotBeMadeIsReported()
{
    QFETCH(QString, blocker);
    QFETCH(QString, missing);
    QFETCH(QString, reason);
    const QString home = m_root->filePath(QStringLiteral("home"));
    if (blocker.startsWith(QLatin1String("read-only:"))) {
        if (::geteuid() == 0)
            QSKIP("root writes into any folder; run-unprivileged.sh runs this case as nobody");
        const QString folder = home + QLatin1Char('/') + blocker.mid(10);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (!blocker.isEmpty()) {
        QVERIFY(writeFile(home + QLatin1Char('/') + blocker, "in the way"));
    }
    if (!missing.isEmpty())
        QVERIFY(QDir(installed(missing)).removeRecursively());

    const QString message = prepareFailure(m_installed, m_folder);

    QVERIFY2(message.contains(reason), qPrintable(message));
    // The message names the place, so the user can see where to look.
    const QString place = missing.isEmpty() ? m_folder : installed(missing);
    QVERIFY2(message.contains(QStringLiteral("«") + place), qPrintable(message));
    QCOMPARE(QFileInfo::exists(m_folder + QStringLiteral("/prdata.db")), false);
    // A damaged installation is found out before anything is made.
    if (!missing.isEmpty())
        QVERIFY(!QFileInfo::exists(m_folder));
}

QTEST_GUILESS_MAIN(UserFolderTest)
#include "tst_user_folder.moc"
