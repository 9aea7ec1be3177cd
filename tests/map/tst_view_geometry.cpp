#include "map/ViewGeometry.h"

#include <QtTest>

namespace {
const QSize kMap(3684, 2698);
const QSize kControl(800, 519);
const QSize kSmallControl(616, 400);
} // namespace

class TestViewGeometry : public QObject {
    Q_OBJECT
private slots:
    void presentation_data()
    {
        QTest::addColumn<QPoint>("wished");
        QTest::addColumn<int>("controlWidth");
        QTest::addColumn<QPoint>("presented");
        QTest::newRow("inside") << QPoint(1500, 1500) << 800 << QPoint(1500, 1500);
        QTest::newRow("exactly at the edge") << QPoint(2884, 10) << 800 << QPoint(2884, 10);
        QTest::newRow("anchor beyond 2884") << QPoint(3061, 700) << 800 << QPoint(2884, 700);
        QTest::newRow("left, top and bottom unlimited") << QPoint(-40, 2600) << 800 << QPoint(-40, 2600);
        QTest::newRow("small layout limit") << QPoint(3100, 700) << 616 << QPoint(3068, 700);
    }
    void presentation()
    {
        QFETCH(QPoint, wished);
        QFETCH(int, controlWidth);
        QFETCH(QPoint, presented);
        QCOMPARE(presentedOrigin(wished, controlWidth, kMap.width()), presented);
    }

    void drag_data()
    {
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("current");
        QTest::addColumn<QSize>("control");
        QTest::addColumn<QPoint>("newOrigin");
        QTest::addColumn<QPoint>("shown");
        QTest::newRow("plain move follows the mouse")
            << QPoint(1500, 1500) << QPoint(400, 200) << QPoint(350, 260) << kControl << QPoint(1500, 1500)
            << QPoint(1550, 1440);
        QTest::newRow("far right stops at x 2")
            << QPoint(100, 1500) << QPoint(100, 200) << QPoint(700, 200) << kControl << QPoint(2, 1500)
            << QPoint(2, 1500);
        QTest::newRow("exactly 2 is not limited")
            << QPoint(100, 1500) << QPoint(100, 200) << QPoint(198, 200) << kControl << QPoint(100, 1500)
            << QPoint(2, 1500);
        QTest::newRow("far down stops at y 2")
            << QPoint(1500, 50) << QPoint(100, 100) << QPoint(100, 400) << kControl << QPoint(1500, 2)
            << QPoint(1500, 2);
        QTest::newRow("past the bottom right corner")
            << QPoint(2800, 2100) << QPoint(700, 500) << QPoint(100, 10) << kControl << QPoint(2884, 2179)
            << QPoint(2884, 2179);
        QTest::newRow("small layout bottom right")
            << QPoint(2800, 2100) << QPoint(600, 390) << QPoint(10, 10) << kSmallControl << QPoint(3068, 2298)
            << QPoint(3068, 2298);
        QTest::newRow("one axis limited, the other moves")
            << QPoint(10, 1500) << QPoint(100, 100) << QPoint(300, 150) << kControl << QPoint(2, 1500)
            << QPoint(2, 1450);
    }
    void drag()
    {
        QFETCH(QPoint, origin);
        QFETCH(QPoint, press);
        QFETCH(QPoint, current);
        QFETCH(QSize, control);
        QFETCH(QPoint, newOrigin);
        QFETCH(QPoint, shown);
        const DragStep step = limitDrag(origin, press, current, control, kMap);
        QCOMPARE(step.viewOrigin, newOrigin);
        QCOMPARE(step.shownOrigin(press), shown);
    }

    void dragStaysAtTheEdgeUntilThePressPointIsPassed()
    {
        // Once a limit has replaced the origin, moving back does nothing until the
        // mouse has come back past the press point.
        QPoint origin(100, 1500);
        const QPoint press(100, 200);
        DragStep step = limitDrag(origin, press, QPoint(700, 200), kControl, kMap);
        origin = step.viewOrigin;
        step = limitDrag(origin, press, QPoint(400, 200), kControl, kMap);
        QCOMPARE(step.shownOrigin(press), QPoint(2, 1500));
        step = limitDrag(origin, press, QPoint(100, 200), kControl, kMap);
        QCOMPARE(step.shownOrigin(press), QPoint(2, 1500));
        step = limitDrag(origin, press, QPoint(60, 200), kControl, kMap);
        QCOMPARE(step.shownOrigin(press), QPoint(42, 1500));
    }

    void plan_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("event");
        QTest::addColumn<QSize>("control");
        QTest::addColumn<QPoint>("origin");
        const int small = int(ScreenCase::Small800x600);
        const int standard = int(ScreenCase::Standard1024x768);
        const int other = int(ScreenCase::Other);
        const int press = int(PlanEvent::Press);
        const int move = int(PlanEvent::Move);
        QTest::newRow("top left corner") << QPoint(0, 0) << standard << press << kControl << QPoint(1, 1);
        QTest::newRow("bottom right corner") << QPoint(180, 135) << standard << press << kControl
                                             << QPoint(2882, 2178);
        QTest::newRow("middle") << QPoint(90, 68) << standard << press << kControl << QPoint(1376, 1031);
        QTest::newRow("press near the bottom") << QPoint(90, 128) << standard << press << kControl
                                               << QPoint(1376, 2178);
        QTest::newRow("move near the bottom") << QPoint(90, 128) << standard << move << kControl
                                              << QPoint(1376, 2178);
        QTest::newRow("800x600 press") << QPoint(60, 40) << small << press << kSmallControl << QPoint(1226, 808);
        QTest::newRow("800x600 move equals press") << QPoint(60, 40) << small << move << kSmallControl
                                                   << QPoint(1226, 808);
        QTest::newRow("800x600 bottom right") << QPoint(138, 103) << small << press << kSmallControl
                                              << QPoint(3066, 2297);
        QTest::newRow("other screen move follows 1024 row") << QPoint(90, 68) << other << move << kControl
                                                            << QPoint(1376, 1031);
    }
    void plan()
    {
        QFETCH(QPoint, point);
        QFETCH(int, screen);
        QFETCH(int, event);
        QFETCH(QSize, control);
        QFETCH(QPoint, origin);
        const PlanRect r = limitPlanRect(planRectFor(point, ScreenCase(screen), PlanEvent(event)), control);
        QCOMPARE(QPoint(r.left, r.top), origin);
    }

    void planLimitsKeepTheOppositeLimitFromApplying()
    {
        // Limits 1 and 2 set right and bottom to the control's size, so 3 and 4
        // cannot undo them on the same axis.
        const PlanRect r = limitPlanRect(PlanRect{-5, -5, 5000, 5000}, kControl);
        QCOMPARE(r, (PlanRect{1, 1, 799, 518}));
    }
};

QTEST_GUILESS_MAIN(TestViewGeometry)
#include "tst_view_geometry.moc"
