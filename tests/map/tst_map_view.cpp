#include "MapFixture.h"

#include "map/MapControl.h"
#include "map/MapView.h"
#include "map/PlanControl.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

// Drives the map control and the overview plan as a user would, and checks the
// pixels painted against the map in memory.
class TestMapView : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(1024, 720);
        m_control = new MapControl(m_window.get());
        m_control->setGeometry(25, 73, 800, 519);
        m_plan = new PlanControl(m_window.get());
        m_plan->setGeometry(834, 23, 181, 136);
        m_view = std::make_unique<MapView>(*m_control, *m_window);
        m_view->setScreenCase(ScreenCase::Standard1024x768);
        m_view->setMap(patternedTownSizedMap());
        QObject::connect(m_control, &MapControl::mousePressed, [this](Qt::MouseButton b, QPoint p) {
            m_view->mapMouseDown(b, p);
        });
        QObject::connect(m_control, &MapControl::mouseMoved, [this](QPoint p) { m_view->mapMouseMove(p); });
        QObject::connect(m_control, &MapControl::mouseReleased, [this](Qt::MouseButton b, QPoint p) {
            m_view->mapMouseUp(b, p);
        });
        QObject::connect(m_plan, &PlanControl::mousePressed, [this](Qt::MouseButton b, QPoint p) {
            m_view->planMouseDown(b, p);
        });
        QObject::connect(m_plan, &PlanControl::mouseMoved, [this](QPoint p) { m_view->planMouseMove(p); });
        QObject::connect(m_plan, &PlanControl::mouseReleased, [this](Qt::MouseButton, QPoint) {
            m_view->planMouseUp();
        });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_view->ShowWholeMap();
    }
    void cleanup()
    {
        m_view.reset();
        m_window.reset();
    }

    void wholeMapAtStart()
    {
        QVERIFY(!m_view->detailMode());
        const QImage shown = m_control->grab().toImage();
        QCOMPARE(shown.size(), QSize(800, 519));
        QCOMPARE(shown, m_control->wholeMapPicture().convertToFormat(shown.format()));
    }

    void zoomInShowsTheStartPiece()
    {
        m_view->ZoomIn();
        QVERIFY(m_view->detailMode());
        QCOMPARE(m_view->viewOrigin(), QPoint(1500, 1500));
        expectPieceAt(QPoint(1500, 1500));
        // The two columns right of the Viewport keep the whole-map picture.
        const QImage shown = m_control->grab().toImage();
        QCOMPARE(shown.pixel(798, 100), m_control->wholeMapPicture().pixel(798, 100));
    }

    void dragMovesTheMapWithTheMouse()
    {
        m_view->ZoomIn();
        QTest::mousePress(m_control, Qt::LeftButton, {}, QPoint(400, 300));
        moveWithButton(QPoint(300, 250));
        expectPieceAt(QPoint(1600, 1550));
        QCOMPARE(m_view->viewOrigin(), QPoint(1500, 1500));
        QTest::mouseRelease(m_control, Qt::LeftButton, {}, QPoint(300, 250));
        QCOMPARE(m_view->viewOrigin(), QPoint(1600, 1550));
        QVERIFY(!m_view->dragging());
    }

    void dragPastTheCornerStopsAtTheLimits()
    {
        m_view->ZoomIn();
        QTest::mousePress(m_control, Qt::LeftButton, {}, QPoint(790, 510));
        moveWithButton(QPoint(1, 1)); // 1500 + 789 = 2289, 1500 + 509 = 2009: inside
        moveWithButton(QPoint(1, 1));
        QTest::mouseRelease(m_control, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mousePress(m_control, Qt::LeftButton, {}, QPoint(790, 510));
        moveWithButton(QPoint(1, 1));
        QTest::mouseRelease(m_control, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(m_view->viewOrigin(), QPoint(2884, 2179));
        expectPieceAt(QPoint(2884, 2179));

        // A modal window over the map, then the refresh that follows it.
        QDialog dialog(m_window.get());
        QTimer::singleShot(50, &dialog, &QDialog::accept);
        dialog.exec();
        m_view->RepaintViewport();
        expectPieceAt(QPoint(2884, 2179));
    }

    void dragInWholeMapModeShowsNothing()
    {
        const QImage before = m_control->grab().toImage();
        QTest::mousePress(m_control, Qt::LeftButton, {}, QPoint(400, 300));
        moveWithButton(QPoint(100, 100));
        QTest::mouseRelease(m_control, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(m_control->grab().toImage(), before);
        QCOMPARE(m_view->viewOrigin(), QPoint(1800, 1700));
    }

    void rightButtonDoesNotDrag()
    {
        m_view->ZoomIn();
        QTest::mousePress(m_control, Qt::RightButton, {}, QPoint(400, 300));
        moveWithButton(QPoint(100, 100), Qt::RightButton);
        expectPieceAt(QPoint(1500, 1500));
    }

    void planPressAndDrag()
    {
        m_view->ZoomIn();
        // QTest reads the point (0, 0) as "the centre", so the press is sent by hand.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 0), m_plan->mapToGlobal(QPointF(0, 0)), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(m_plan, &press);
        QCOMPARE(m_view->viewOrigin(), QPoint(1, 1));
        expectPieceAt(QPoint(1, 1));
        QMouseEvent move(QEvent::MouseMove, QPointF(90, 68), m_plan->mapToGlobal(QPointF(90, 68)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(m_plan, &move);
        expectPieceAt(QPoint(1376, 1031));
        QTest::mouseRelease(m_plan, Qt::LeftButton, {}, QPoint(90, 68));
        QMouseEvent after(QEvent::MouseMove, QPointF(10, 10), m_plan->mapToGlobal(QPointF(10, 10)), Qt::NoButton,
                          Qt::NoButton, {});
        QApplication::sendEvent(m_plan, &after);
        expectPieceAt(QPoint(1376, 1031));
    }

    void planPressInWholeMapModeOnlyMovesTheOrigin()
    {
        const QImage before = m_control->grab().toImage();
        QTest::mousePress(m_plan, Qt::LeftButton, {}, QPoint(180, 135));
        QCOMPARE(m_view->viewOrigin(), QPoint(2882, 2178));
        QCOMPARE(m_control->grab().toImage(), before);
        QTest::mousePress(m_plan, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(m_view->viewOrigin(), QPoint(2882, 2178));
    }

    void showWholeMapShowsWhatWasDrawnSince()
    {
        m_view->mapBitmap().set(0, 0, 0);
        m_view->ShowWholeMap();
        QVERIFY(!m_view->detailMode());
        QCOMPARE(m_control->wholeMapPicture().pixel(0, 0), qRgb(0, 0, 0));
    }

    void pieceBeyondTheMapIsWhite()
    {
        QImage piece(798, 519, QImage::Format_RGB32);
        MapControl::renderPiece(m_view->mapBitmap(), QPoint(3300, 2500), piece);
        QCOMPARE(piece.pixel(383, 197), m_view->mapBitmap().colorAt(3683, 2697));
        QCOMPARE(piece.pixel(384, 10), qRgb(255, 255, 255));
        QCOMPARE(piece.pixel(10, 198), qRgb(255, 255, 255));
        MapControl::renderPiece(m_view->mapBitmap(), QPoint(-10, -10), piece);
        QCOMPARE(piece.pixel(9, 50), qRgb(255, 255, 255));
        QCOMPARE(piece.pixel(10, 10), m_view->mapBitmap().colorAt(0, 0));
    }

private:
    void moveWithButton(QPoint to, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), m_control->mapToGlobal(QPointF(to)), Qt::NoButton, button,
                         {});
        QApplication::sendEvent(m_control, &move);
    }

    void expectPieceAt(QPoint origin)
    {
        const QImage shown = m_control->grab().toImage();
        const MapBitmap& map = m_view->mapBitmap();
        for (const QPoint p : {QPoint(0, 0), QPoint(797, 518), QPoint(400, 260), QPoint(13, 501)}) {
            const QPoint m = origin + p;
            const QRgb expected = map.contains(m.x(), m.y()) ? map.colorAt(m.x(), m.y()) : qRgb(255, 255, 255);
            if (shown.pixel(p) != expected)
                QFAIL(qPrintable(QString("pixel (%1, %2) is not map pixel (%3, %4)")
                                     .arg(p.x()).arg(p.y()).arg(m.x()).arg(m.y())));
        }
    }

    std::unique_ptr<QWidget> m_window;
    MapControl* m_control = nullptr;
    PlanControl* m_plan = nullptr;
    std::unique_ptr<MapView> m_view;
};

QTEST_MAIN(TestMapView)
#include "tst_map_view.moc"
