#include "app/LayoutScale.h"
#include "app/StartupSequence.h"
#include "base/AppError.h"

#include <QtTest>

class TestLayoutScale : public QObject {
    Q_OBJECT
private slots:
    void scaleForScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("multiplier");
        QTest::addColumn<QPoint>("overview");
        QTest::newRow("800x600 is scaled") << QSize(800, 600) << 77 << QPoint(26, 26);
        QTest::newRow("1024x768 is the design") << QSize(1024, 768) << 100 << QPoint(20, 19);
        QTest::newRow("1280x1024 unscaled") << QSize(1280, 1024) << 100 << QPoint(20, 19);
        QTest::newRow("600x800 portrait is not 800x600") << QSize(600, 800) << 100 << QPoint(20, 19);
        QTest::newRow("800x601 unscaled") << QSize(800, 601) << 100 << QPoint(20, 19);
    }
    void scaleForScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, multiplier);
        QFETCH(QPoint, overview);
        const LayoutScale scale = layoutScaleFor(screen);
        QCOMPARE(scale.multiplier, multiplier);
        QCOMPARE(scale.divisor, 100);
        QCOMPARE(scale.overviewScale, overview);
    }

    void scaledRect_data()
    {
        QTest::addColumn<QRect>("designed");
        QTest::addColumn<QRect>("expected");
        // The map control becomes 616 x 400 at (19, 56): its right and bottom
        // edges are scaled, not its size.
        QTest::newRow("map control") << QRect(25, 73, 800, 519) << QRect(19, 56, 616, 400);
        QTest::newRow("plan group") << QRect(832, 8, 185, 153) << QRect(641, 6, 142, 118);
        QTest::newRow("grid") << QRect(0, 616, 985, 97) << QRect(0, 474, 758, 75);
        QTest::newRow("banner above the top") << QRect(584, -7, 468, 49) << QRect(450, -5, 360, 37);
    }
    void scaledRect()
    {
        QFETCH(QRect, designed);
        QFETCH(QRect, expected);
        QCOMPARE(::scaledRect(designed, layoutScaleFor(QSize(800, 600))), expected);
        QCOMPARE(::scaledRect(designed, layoutScaleFor(QSize(1024, 768))), designed);
    }

    void mulDivRoundsHalfAwayFromZero()
    {
        QCOMPARE(mulDiv(50, 77, 100), 39);   // 38.5
        QCOMPARE(mulDiv(-50, 77, 100), -39); // -38.5
        QCOMPARE(mulDiv(49, 77, 100), 38);   // 37.73
    }

    void startupStepErrorSkipsTheRest()
    {
        StartupSequence sequence;
        QStringList ran;
        sequence.add("one", [&] { ran << "one"; });
        sequence.add("two", [&] { throw AppError(QStringLiteral("Таблица не открыта")); });
        sequence.add("three", [&] { ran << "three"; });
        QStringList shown;
        QVERIFY(!sequence.run([&](const QString& m) { shown << m; }));
        QCOMPARE(ran, QStringList{"one"});
        QCOMPARE(shown, QStringList{QStringLiteral("Таблица не открыта")});
        QCOMPARE(sequence.completedSteps(), QStringList{"one"});
    }
};

QTEST_GUILESS_MAIN(TestLayoutScale)
#include "tst_layout_scale.moc"
