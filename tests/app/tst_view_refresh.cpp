#include "AppFolderFixture.h"

#include "app/NavigatorApplication.h"
#include "app/TForm1.h"
#include "map/AndStretch.h"
#include "map/MapControl.h"
#include "map/MapView.h"

#include <QElapsedTimer>
#include <QtTest>

// The main window's one-shot refresh after a print preview: in the full-scale
// view it presents the view again 50 ms later, in the whole-map view nothing.
class TestViewRefresh : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.ready() && m_folder.enter());
        m_form = std::make_unique<TForm1>();
        m_form->FormCreate();
        m_form->show();
    }

    void wholeMapAtStartIsTheBareMap()
    {
        // The picture made at start-up comes from the map before labels and
        // markers; "Всю карту в окно" makes it again from the map as it is now.
        const QImage bare = toRgb(reducedCopy(MapBitmap::loadTownMap(), QSize(800, 519)));
        QCOMPARE(m_form->mapControl().wholeMapPicture(), bare);
        m_form->mapView().ShowWholeMap();
        const QImage now = toRgb(reducedCopy(m_form->mapView().mapBitmap(), QSize(800, 519)));
        QCOMPARE(m_form->mapControl().wholeMapPicture(), now);
        QVERIFY(now != bare);
    }

    void refreshPresentsTheViewInDetailMode()
    {
        MapView& view = m_form->mapView();
        MapControl& control = m_form->mapControl();
        view.ZoomIn();
        // Something else is on the screen, as after a preview that covered it.
        control.presentPiece(QPoint(10, 10));
        QElapsedTimer clock;
        clock.start();
        m_form->armTimer2();
        QTRY_COMPARE_WITH_TIMEOUT(control.presentedOrigin(), QPoint(1500, 1500), 1000);
        QVERIFY2(clock.elapsed() >= 45, "the refresh waits for the timer");
        auto* timer = m_form->findChild<QTimer*>("Timer2");
        QVERIFY(!timer->isActive());
    }

    void refreshDoesNothingInWholeMapMode()
    {
        MapView& view = m_form->mapView();
        MapControl& control = m_form->mapControl();
        view.ShowWholeMap();
        m_form->armTimer2();
        QTest::qWait(150);
        QVERIFY(!control.showsPiece());
        QVERIFY(!view.detailMode());
    }

private:
    static QImage toRgb(const MapBitmap& b)
    {
        QImage image(b.width(), b.height(), QImage::Format_RGB32);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                image.setPixel(x, y, b.colorAt(x, y));
        return image;
    }

    AppFolderFixture m_folder;
    std::unique_ptr<TForm1> m_form;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    TestViewRefresh test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_view_refresh.moc"
