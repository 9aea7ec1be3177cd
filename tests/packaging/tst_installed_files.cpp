#include "launcher/UserFolder.h"
#include "tools/pictures/AppIcon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString installed(const QString& path)
{
    return QStringLiteral(TALV_STAGING_PREFIX "/") + path;
}

QString share(const QString& path)
{
    return installed(QStringLiteral(TALV_INSTALLED_SHARE "/") + path);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The keys of the desktop entry's group (QSettings would take its ';' lists apart).
QMap<QString, QString> desktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    for (const QByteArray& line : readAll(path).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && !line.startsWith('#'))
            keys.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
    }
    return keys;
}

// The text of the first element of this name, and the named attribute of it.
QString metainfoValue(const QByteArray& xml, const QString& element, const QString& attribute = {})
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == element) {
            if (!attribute.isEmpty())
                return reader.attributes().value(attribute).toString();
            return reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    return {};
}

QString metainfoPath()
{
    const QStringList files = QDir(share(QStringLiteral("metainfo"))).entryList({QStringLiteral("*.metainfo.xml")});
    return files.size() == 1 ? share(QStringLiteral("metainfo/") + files.first()) : QString();
}

} // namespace

// The installation in the staging prefix, and how its files refer to each other.
class InstalledFilesTest : public QObject {
    Q_OBJECT

private slots:
    void dataHoldsExactlyWhatTheLauncherUses();
    void programsAreInTheirFolders_data();
    void programsAreInTheirFolders();
    void desktopEntryStartsTheLauncherWithTheIcon();
    void iconHasEveryThemeSize_data();
    void iconHasEveryThemeSize();
    void metainfoDescribesThisRelease();
    void nothingNamesTheBuildOrThePrefix_data();
    void nothingNamesTheBuildOrThePrefix();
};

void InstalledFilesTest::dataHoldsExactlyWhatTheLauncherUses()
{
    QStringList expected = UserFolder::editableFiles() + UserFolder::sharedFiles();
    expected.sort();
    QStringList present = QDir(installed(QStringLiteral(TALV_INSTALLED_DATA)))
                              .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    present.sort();
    // A file the build adds to the application folder that the launcher does
    // not give the user, or one it expects that is not installed, shows here.
    QCOMPARE(present, expected);
    QVERIFY(!QDir(installed(QStringLiteral(TALV_INSTALLED_DATA "/talvfoto"))).isEmpty());
}

void InstalledFilesTest::programsAreInTheirFolders_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("launcher") << TALV_INSTALLED_LAUNCHER;
    QTest::newRow("navigator") << TALV_INSTALLED_NAVIGATOR;
}

void InstalledFilesTest::programsAreInTheirFolders()
{
    QFETCH(QString, path);
    const QFileInfo program(installed(path));
    QVERIFY2(program.isFile() && program.isExecutable(), qPrintable(program.filePath()));
    QCOMPARE(readAll(program.filePath()).left(4), QByteArray("\x7f" "ELF"));
}

void InstalledFilesTest::desktopEntryStartsTheLauncherWithTheIcon()
{
    const QMap<QString, QString> entry = desktopEntry(share(QStringLiteral("applications/talvinsk.desktop")));
    QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Тальвинск Навигатор"));
    // The menu runs the launcher by its name on the PATH, not the navigator.
    QCOMPARE(QStringLiteral(TALV_INSTALLED_LAUNCHER).section(QLatin1Char('/'), -1), entry.value(QStringLiteral("Exec")));
    QCOMPARE(entry.value(QStringLiteral("TryExec")), entry.value(QStringLiteral("Exec")));
    const QString icon = entry.value(QStringLiteral("Icon"));
    QVERIFY(QFileInfo::exists(share(QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(icon))));
    QVERIFY(QFileInfo::exists(share(QStringLiteral("icons/hicolor/48x48/apps/%1.png").arg(icon))));
}

void InstalledFilesTest::iconHasEveryThemeSize_data()
{
    QTest::addColumn<int>("size");
    for (const int size : AppIcon::kSizes)
        QTest::newRow(qPrintable(QStringLiteral("%1x%1").arg(size))) << size;
    QTest::newRow("scalable") << 0;
}

void InstalledFilesTest::iconHasEveryThemeSize()
{
    QFETCH(int, size);
    if (size == 0) {
        QSvgRenderer svg(share(QStringLiteral("icons/hicolor/scalable/apps/talvinsk.svg")));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF().width(), svg.viewBoxF().height());
        return;
    }
    const QImage png(share(QStringLiteral("icons/hicolor/%1x%1/apps/talvinsk.png").arg(size)));
    QCOMPARE(png.size(), QSize(size, size));
    QVERIFY(png.hasAlphaChannel());
}

void InstalledFilesTest::metainfoDescribesThisRelease()
{
    const QString path = metainfoPath();
    QVERIFY2(!path.isEmpty(), "not one metainfo file");
    const QByteArray xml = readAll(path);
    QCOMPARE(QFileInfo(path).fileName(), metainfoValue(xml, QStringLiteral("id")) + QStringLiteral(".metainfo.xml"));
    QCOMPARE(metainfoValue(xml, QStringLiteral("launchable")), QStringLiteral("talvinsk.desktop"));
    QVERIFY(QFileInfo::exists(share(QStringLiteral("applications/") + metainfoValue(xml, QStringLiteral("launchable")))));
    QCOMPARE(metainfoValue(xml, QStringLiteral("release"), QStringLiteral("version")), QStringLiteral(TALV_VERSION));
    QCOMPARE(metainfoValue(xml, QStringLiteral("name")), QStringLiteral("Тальвинск Навигатор"));
    // The screenshot it names is the one the build made of the main window.
    const QString url = metainfoValue(xml, QStringLiteral("image"));
    const QFileInfo shot(QStringLiteral(TALV_SCREENSHOT));
    QCOMPARE(url.section(QLatin1Char('/'), -1), shot.fileName());
    const QImage picture(shot.filePath());
    QVERIFY2(picture.width() >= 800 && picture.height() >= 600,
             qPrintable(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height())));
}

void InstalledFilesTest::nothingNamesTheBuildOrThePrefix_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("launcher") << installed(QStringLiteral(TALV_INSTALLED_LAUNCHER));
    QTest::newRow("navigator") << installed(QStringLiteral(TALV_INSTALLED_NAVIGATOR));
    QTest::newRow("desktop entry") << share(QStringLiteral("applications/talvinsk.desktop"));
    QTest::newRow("metainfo") << metainfoPath();
}

void InstalledFilesTest::nothingNamesTheBuildOrThePrefix()
{
    QFETCH(QString, path);
    const QByteArray bytes = readAll(path);
    QVERIFY(!bytes.isEmpty());
    // The installation works under any prefix: the configured one is not
    // written into any of its files, nor the place where its data went.
    QVERIFY(!bytes.contains(TALV_CONFIGURED_PREFIX "/" TALV_INSTALLED_DATA));
    QVERIFY(!bytes.contains(TALV_STAGING_PREFIX));
    if (!path.endsWith(QLatin1String("talvinsk"))) {
        // Debugging information of the programs may name the sources; the
        // desktop files name neither them nor the build.
        QVERIFY(!bytes.contains(TALV_BUILD_DIR));
        QVERIFY(!bytes.contains(TALV_SOURCE_DIR));
    }
}

QTEST_MAIN(InstalledFilesTest)
#include "tst_installed_files.moc"
