#include "app/DesktopShell.h"
#include "app/MakerContacts.h"
#include "app/TForm1.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const char* const kBanners[] = {"Image3", "Image4", "Image5"};

// Copies the assembled application data into a folder of the test's own, so
// that the main window's whole start-up can run there.
bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists())
        return false;
    QDir().mkpath(to);
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + '/' + entry.fileName();
        if (entry.isDir() ? !copyTree(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// One tick of the main window's Timer1, as its interval would deliver it.
void tick(QTimer& timer)
{
    QVERIFY(QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection));
}

QStringList visibleBanners(const TForm1& form)
{
    QStringList shown;
    for (const char* name : kBanners) {
        if (!form.findChild<QWidget*>(name)->isHidden())
            shown << QString::fromLatin1(name);
    }
    return shown;
}

} // namespace

class TestBanners : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_previousDir = QDir::currentPath();
        QVERIFY(m_appDir.isValid());
        QVERIFY(copyTree(QStringLiteral(TALV_APPDATA_DIR), m_appDir.path()));
        QDir::setCurrent(m_appDir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }

    void init()
    {
        m_form = std::make_unique<TForm1>();
        m_timer1 = m_form->findChild<QTimer*>("Timer1");
        QVERIFY(m_timer1);
    }
    void cleanup() { m_form.reset(); }

    // After the start-up the banners take turns from the first: Image3,
    // Image4, Image5 and Image3 again, each moved to the left edge 350.
    void ticksShowTheBannersInTurn()
    {
        m_form->FormCreate();
        QCOMPARE(m_form->startupSequence().completedSteps(), m_form->startupSequence().stepNames());
        QCOMPARE(m_form->bannerIndex(), 1);
        QVERIFY(!m_timer1->isActive());
        QCOMPARE(m_timer1->interval(), 5000);
        QCOMPARE(visibleBanners(*m_form), QStringList());

        QMap<QString, int> designedTop;
        for (const char* name : kBanners)
            designedTop[name] = m_form->findChild<QWidget*>(name)->y();

        const struct {
            const char* shown;
            int nextIndex;
        } expected[] = {{"Image3", 2}, {"Image4", 3}, {"Image5", 1}, {"Image3", 2}};
        int tickNumber = 0;
        for (const auto& e : expected) {
            ++tickNumber;
            tick(*m_timer1);
            const QString where = QStringLiteral("tick %1").arg(tickNumber);
            QCOMPARE(visibleBanners(*m_form), QStringList{e.shown});
            const QWidget* banner = m_form->findChild<QWidget*>(e.shown);
            QVERIFY2(banner->geometry() == QRect(350, designedTop[e.shown], 468, 50), qPrintable(where));
            QVERIFY2(m_form->bannerIndex() == e.nextIndex, qPrintable(where));
        }
    }

    void tickBeforeTheStartUpShowsNothing()
    {
        // Until the start-up has set the banner index, a tick shows no banner
        // and only moves the index on to the first.
        QCOMPARE(m_form->bannerIndex(), 0);
        tick(*m_timer1);
        QCOMPARE(visibleBanners(*m_form), QStringList());
        QCOMPARE(m_form->bannerIndex(), 1);
        tick(*m_timer1);
        QCOMPARE(visibleBanners(*m_form), QStringList{"Image3"});
    }

    void bannerClickOpensItsTarget_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<QUrl>("opened");
        const QUrl web(QString::fromUtf8(MakerContacts::kWebAddress));
        QTest::newRow("Image3") << 2 << "Image3" << web;
        QTest::newRow("Image4") << 3 << "Image4" << web;
        QTest::newRow("Image5") << 4 << "Image5"
                                << QUrl(QStringLiteral("mailto:") + QString::fromUtf8(MakerContacts::kEmailAddress));
    }
    void bannerClickOpensItsTarget()
    {
        QFETCH(int, ticks);
        QFETCH(QString, banner);
        QFETCH(QUrl, opened);
        for (int i = 0; i < ticks; ++i)
            tick(*m_timer1);
        QCOMPARE(visibleBanners(*m_form), QStringList{banner});
        auto* control = m_form->findChild<QLabel*>(banner);
        QCOMPARE(control->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!control->pixmap().isNull());

        QList<QUrl> urls;
        DesktopShell::Replacement shell([&](const QUrl& url) { urls << url; }, nullptr);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(urls, QList<QUrl>{opened});
    }

private:
    QString m_previousDir;
    QTemporaryDir m_appDir;
    std::unique_ptr<TForm1> m_form;
    QTimer* m_timer1 = nullptr;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    TestBanners test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_banners.moc"
