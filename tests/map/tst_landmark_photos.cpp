#include "tests/app/ModalWatcher.h"

#include "base/AppError.h"
#include "map/LandmarkPhotos.h"
#include "map/LandmarkTable.h"
#include "map/TForm5.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Right clicks on the map open the photos of the landmarks under them.
class TestLandmarkPhotos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_table = LandmarkTable::load(); }

    void hotSpots_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("07 then 31") << QPoint(1930, 1880) << QStringList{"07", "31"};
        QTest::newRow("12 then 13") << QPoint(2065, 1760) << QStringList{"12", "13"};
        QTest::newRow("between 07 and 11") << QPoint(1951, 1870) << QStringList{};
        QTest::newRow("marker's top-left pixel") << QPoint(2064, 1846) << QStringList{};
        QTest::newRow("hot spot's last pixel") << QPoint(2108, 1890) << QStringList{"01"};
        QTest::newRow("open country") << QPoint(100, 100) << QStringList{};
    }
    void hotSpots()
    {
        QFETCH(QPoint, point);
        QFETCH(QStringList, opened);
        TForm5 window;
        ModalWatcher watcher;
        openLandmarksAt(window, QStringLiteral(TALV_APPDATA_DIR), m_table, point);
        QStringList captions;
        for (const QString& code : opened)
            captions << captionOf(code);
        QStringList seen;
        for (const auto& s : watcher.seen)
            seen << s.title;
        QCOMPARE(seen, captions);
    }

    void windowShowsTheWholePhoto()
    {
        TForm5 window;
        QImage photo(400, 300, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        ModalWatcher watcher;
        window.showPhoto(photo, QStringLiteral("Аптека"));
        QCOMPARE(window.size(), QSize(400, 300));
        QCOMPARE(window.shownSize(), QSize(400, 300));
        QCOMPARE(window.windowTitle(), QStringLiteral("Аптека"));
    }

    void largePhotoIsScaledToFit_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("fits") << QSize(800, 600) << QSize(1000, 700) << QSize(800, 600);
        QTest::newRow("too wide") << QSize(2000, 500) << QSize(1000, 700) << QSize(1000, 250);
        QTest::newRow("too tall") << QSize(600, 1400) << QSize(1000, 700) << QSize(300, 700);
    }
    void largePhotoIsScaledToFit()
    {
        QFETCH(QSize, photo);
        QFETCH(QSize, available);
        QFETCH(QSize, shown);
        QCOMPARE(TForm5::fittedSize(photo, available), shown);
    }

    void loaderErrorsStopTheRound_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("messageStart");
        QTest::newRow("missing photo") << QByteArray() << "Cannot open file \"";
        QTest::newRow("text named .jpg") << QByteArray("не фото") << "JPEG error #";
        QTest::newRow("truncated JPEG") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10) << "JPEG error #";
    }
    void loaderErrorsStopTheRound()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, messageStart);
        // 07 and 31 share the point; 07 is broken, so 31 is never tried.
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("talvfoto"));
        QVERIFY(QFile::copy(TALV_APPDATA_DIR "/talvfoto/31.jpg", dir.filePath("talvfoto/31.jpg")));
        if (!content.isEmpty()) {
            QFile broken(dir.filePath("talvfoto/07.jpg"));
            QVERIFY(broken.open(QIODevice::WriteOnly));
            broken.write(content);
        }
        TForm5 window;
        window.setWindowTitle(QStringLiteral("прежний"));
        ModalWatcher watcher;
        try {
            openLandmarksAt(window, dir.path(), m_table, QPoint(1930, 1880));
            QFAIL("no error");
        } catch (const AppError& e) {
            QVERIFY2(e.message().startsWith(messageStart), qPrintable(e.message()));
            if (content.isEmpty())
                QVERIFY(e.message().contains(dir.filePath("talvfoto/07.jpg")));
        }
        QVERIFY(watcher.seen.isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("прежний"));
    }

private:
    QString captionOf(const QString& code) const
    {
        for (const Landmark& l : m_table.landmarks())
            if (l.code == code)
                return l.caption;
        return {};
    }

    LandmarkTable m_table;
};

QTEST_MAIN(TestLandmarkPhotos)
#include "tst_landmark_photos.moc"
