#include "DrivenProgram.h"
#include "VirtualScreen.h"
#include "launcher/UserFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QString installedIn(const QString& prefix, const char* path)
{
    return prefix + QLatin1Char('/') + QLatin1String(path);
}

QByteArray hashOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The environment of a user who never ran the navigator: an empty home, no
// XDG data folder of their own.
QProcessEnvironment newUser(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    return env;
}

const QString kTel = QStringLiteral("5-17-39");
const QString kFio = QStringLiteral("Голубев А.В.");
const QString kKom = QStringLiteral("новый жилец");

} // namespace

// The installed launcher, started as a new user starts it from the menu, on a
// virtual screen; the driver works the navigator's windows.
class InstalledProgramTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void newUsersRecordOutlivesRestartAndMove();
    void folderThatCannotBeMadeIsReported_data();
    void folderThatCannotBeMadeIsReported();

private:
    std::unique_ptr<VirtualScreen> m_screen;
    QByteArray m_pristine;
};

void InstalledProgramTest::initTestCase()
{
    m_screen = std::make_unique<VirtualScreen>();
    if (!m_screen->isUp())
        QSKIP(qPrintable(m_screen->failure()));
    m_pristine = hashOf(installedIn(QStringLiteral(TALV_STAGING_PREFIX), TALV_INSTALLED_DATA "/prdata.db"));
    QVERIFY(!m_pristine.isEmpty());
}

void InstalledProgramTest::newUsersRecordOutlivesRestartAndMove()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString prefix = QStringLiteral(TALV_STAGING_PREFIX);
    const QString folder = home.filePath(QStringLiteral(".local/share/talvinsk"));

    // First start: the folder is made, the main window opens, a record is
    // added through the add dialog, and the user quits with "Выход".
    const DrivenOutcome first = runDriven(
        *m_screen, installedIn(prefix, TALV_INSTALLED_LAUNCHER), home.path(),
        {QStringLiteral("main-window"),
         QStringLiteral("add|%1|%2|Ленина|7|12|%3").arg(kTel, kFio, kKom),
         QStringLiteral("expect-record|") + kTel, QStringLiteral("quit")},
        newUser(home.path()));
    QVERIFY2(first.finished && !first.crashed && first.exitCode == 0 && first.saw(QStringLiteral("done")),
             qPrintable(first.summary()));
    QVERIFY2(first.saw(QStringLiteral("sponsor")), qPrintable(first.summary()));
    const QString record = QStringLiteral("record %1|%2|Ленина 7 кв 12|%3").arg(kTel, kFio, kKom);
    QVERIFY2(first.saw(record), qPrintable(first.summary()));

    for (const QString& name : UserFolder::editableFiles()) {
        const QFileInfo copy(folder + QLatin1Char('/') + name);
        QVERIFY2(copy.isFile() && !copy.isSymLink(), qPrintable(copy.filePath()));
    }
    for (const QString& name : UserFolder::sharedFiles()) {
        const QFileInfo link(folder + QLatin1Char('/') + name);
        QVERIFY2(link.isSymLink(), qPrintable(link.filePath()));
        QCOMPARE(link.canonicalFilePath(),
                 QFileInfo(installedIn(prefix, TALV_INSTALLED_DATA) + QLatin1Char('/') + name).canonicalFilePath());
    }

    // Second start, from the same installation moved to another prefix (as an
    // upgrade may put it): the user's record is still there, the links follow
    // the installation.
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString moved = elsewhere.filePath(QStringLiteral("opt/talvinsk"));
    QVERIFY(QDir().mkpath(moved));
    QCOMPARE(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), prefix + QStringLiteral("/."), moved}), 0);
    const DrivenOutcome second = runDriven(
        *m_screen, installedIn(moved, TALV_INSTALLED_LAUNCHER), home.path(),
        {QStringLiteral("main-window"), QStringLiteral("expect-record|") + kTel, QStringLiteral("quit")},
        newUser(home.path()));
    QVERIFY2(second.finished && second.exitCode == 0 && second.saw(QStringLiteral("done")),
             qPrintable(second.summary()));
    QVERIFY2(second.saw(record), qPrintable(second.summary()));
    for (const QString& name : UserFolder::sharedFiles()) {
        QCOMPARE(QFileInfo(folder + QLatin1Char('/') + name).canonicalFilePath(),
                 QFileInfo(installedIn(moved, TALV_INSTALLED_DATA) + QLatin1Char('/') + name).canonicalFilePath());
    }

    // The installed directory is the pristine one still, in both places.
    QCOMPARE(hashOf(installedIn(prefix, TALV_INSTALLED_DATA "/prdata.db")), m_pristine);
    QCOMPARE(hashOf(installedIn(moved, TALV_INSTALLED_DATA "/prdata.db")), m_pristine);
    QVERIFY(hashOf(folder + QStringLiteral("/prdata.db")) != m_pristine);
}

void InstalledProgramTest::folderThatCannotBeMadeIsReported_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("virtual screen") << "display";
    QTest::newRow("terminal without a display") << "terminal";
    QTest::newRow("offscreen platform") << "offscreen";
}

void InstalledProgramTest::folderThatCannotBeMadeIsReported()
{
    QFETCH(QString, where);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    // XDG_DATA_HOME names a file: the folder cannot be made under it.
    const QString blocked = home.filePath(QStringLiteral("data"));
    {
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QProcessEnvironment env = newUser(home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), blocked);
    const QString message = QStringLiteral("Не удалось создать папку данных навигатора «%1/talvinsk»: "
                                           "на этом месте лежит файл, а не папка.")
                                .arg(blocked);
    const QString launcher = installedIn(QStringLiteral(TALV_STAGING_PREFIX), TALV_INSTALLED_LAUNCHER);

    if (where == QLatin1String("display")) {
        const DrivenOutcome outcome =
            runDriven(*m_screen, launcher, home.path(), {QStringLiteral("answer-message")}, env);
        QVERIFY2(outcome.finished && !outcome.crashed && outcome.exitCode == 1, qPrintable(outcome.summary()));
        QVERIFY2(outcome.saw(QStringLiteral("message Тальвинск Навигатор|") + message), qPrintable(outcome.summary()));
        QVERIFY2(outcome.otherOutput.contains(QStringLiteral("talvinsk: ") + message), qPrintable(outcome.summary()));
        return;
    }
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (where == QLatin1String("offscreen"))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(home.path());
    process.start(launcher, {});
    QVERIFY2(process.waitForFinished(60000), "the launcher waits for a message box nobody can see");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), QStringLiteral("talvinsk: ") + message + QLatin1Char('\n'));
    QVERIFY(QFileInfo(blocked).isFile());
}

QTEST_MAIN(InstalledProgramTest)
#include "tst_installed_program.moc"
