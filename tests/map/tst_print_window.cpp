#include "tests/app/ModalWatcher.h"

#include "map/AndStretch.h"
#include "map/MapControl.h"
#include "map/MapView.h"
#include "map/TForm11.h"
#include "map/TForm12.h"
#include "map/TForm13.h"

#include <QDir>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

// The print set-up window as the user works it: a press on an orientation
// button draws the page from the map view, shows the preview, reports the
// preview's closing while the window is still open, and closes the window.
class TestPrintWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_mainWindow = std::make_unique<QWidget>();
        m_control = new MapControl(m_mainWindow.get());
        m_control->setGeometry(25, 73, 800, 519);
        m_view = std::make_unique<MapView>(*m_control, *m_mainWindow);
        // The town itself, so that the pictures of the preview show a real page.
        m_view->setMap(MapBitmap::loadTownMap());
        m_form11 = std::make_unique<TForm11>();
        m_form13 = std::make_unique<TForm13>();
        m_form12 = std::make_unique<TForm12>();
        m_form12->attachMap(*m_view);
        m_form12->attachLayouts(*m_form11, *m_form13);
    }

    void cleanup()
    {
        m_form12.reset();
        m_form11.reset();
        m_form13.reset();
        m_view.reset();
        m_mainWindow.reset();
    }

    void setUpWindowLooksAsDesigned()
    {
        QCOMPARE(m_form12->windowTitle(), QStringLiteral("Настройка"));
        QCOMPARE(m_form12->size(), QSize(115, 74));
        auto* label = m_form12->findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Ориентация бумаги"));
        QCOMPARE(label->pos(), QPoint(8, 8));
        QVERIFY2(label->geometry().right() < m_form12->width(), "the label is cut off by the window's edge");
        QVERIFY(label->width() >= label->sizeHint().width());
        for (auto [name, at] : {std::pair{"SpeedButton1", QPoint(8, 32)}, std::pair{"SpeedButton2", QPoint(64, 32)}}) {
            auto* button = m_form12->findChild<QToolButton*>(QString::fromLatin1(name));
            QVERIFY2(button, name);
            QCOMPARE(button->geometry(), QRect(at, QSize(41, 41)));
            QVERIFY(button->autoRaise());
            QVERIFY(!button->icon().isNull());
        }
        QDir().mkpath(QStringLiteral("/tmp/print-shots"));
        m_form12->grab().scaled(m_form12->size() * 3).save(QStringLiteral("/tmp/print-shots/set-up.png"));
    }

    void buttonPrintsTheViewAndClosesAfterThePreview_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("detailMode");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<QString>("shot");
        QTest::newRow("portrait detail") << "SpeedButton1" << true << QPoint(1500, 1500) << QPageLayout::Portrait
                                         << "portrait-detail";
        QTest::newRow("landscape detail") << "SpeedButton2" << true << QPoint(2900, 2200) << QPageLayout::Landscape
                                          << "landscape-detail";
        QTest::newRow("portrait whole map") << "SpeedButton1" << false << QPoint(1500, 1500) << QPageLayout::Portrait
                                            << "portrait-whole-map";
        QTest::newRow("landscape whole map") << "SpeedButton2" << false << QPoint(1500, 1500)
                                             << QPageLayout::Landscape << "landscape-whole-map";
    }

    void buttonPrintsTheViewAndClosesAfterThePreview()
    {
        QFETCH(QString, button);
        QFETCH(bool, detailMode);
        QFETCH(QPoint, origin);
        QFETCH(QPageLayout::Orientation, orientation);
        QFETCH(QString, shot);
        m_view->setDetailMode(detailMode);
        m_view->setViewOrigin(origin);
        m_form12->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form12.get()));

        QSignalSpy closed(m_form12.get(), &TForm12::previewClosed);
        bool openAtClosing = false;
        connect(m_form12.get(), &TForm12::previewClosed, this, [&] { openAtClosing = m_form12->isVisible(); });

        ModalWatcher watcher;
        QPageLayout::Orientation previewed = QPageLayout::Portrait;
        int pages = 0;
        bool setUpOpenDuringPreview = false;
        watcher.onModal = [&](QWidget* modal) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
            if (!preview)
                return;
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            previewed = widget->orientation();
            pages = widget->pageCount();
            setUpOpenDuringPreview = m_form12->isVisible();
            // A picture of the preview for a look by eye, once it is laid out.
            QVERIFY(QTest::qWaitForWindowExposed(preview));
            QTest::qWait(100);
            QDir().mkpath(QStringLiteral("/tmp/print-shots"));
            preview->grab().save(QStringLiteral("/tmp/print-shots/%1.png").arg(shot));
        };

        auto* pressed = m_form12->findChild<QToolButton*>(button);
        QVERIFY(pressed);
        pressed->click();

        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen.first().className, QStringLiteral("QPrintPreviewDialog"));
        QCOMPARE(previewed, orientation);
        QCOMPARE(pages, 1);
        QVERIFY(setUpOpenDuringPreview);
        QCOMPARE(closed.size(), 1);
        QVERIFY(openAtClosing);
        QVERIFY(!m_form12->isVisible());

        // The page of the chosen orientation carries the view; the other
        // orientation's picture is not made.
        PageWindow* printed = orientation == QPageLayout::Portrait ? static_cast<PageWindow*>(m_form11.get())
                                                                   : static_cast<PageWindow*>(m_form13.get());
        PageWindow* other = printed == m_form11.get() ? static_cast<PageWindow*>(m_form13.get())
                                                      : static_cast<PageWindow*>(m_form11.get());
        QVERIFY(!other->pagePicture().isCreated());
        const MapBitmap& page = printed->pagePicture().bitmap();
        QCOMPARE(QSize(page.width(), page.height()), printed->layout().picturePixels);
        const MapBitmap& map = m_view->mapBitmap();
        if (detailMode) {
            for (int y = 0; y < page.height(); ++y) {
                for (int x = 0; x < page.width(); ++x) {
                    const QPoint m = origin + QPoint(x, y);
                    const std::uint8_t expected = map.contains(m.x(), m.y()) ? map.at(m.x(), m.y()) : 255;
                    if (page.at(x, y) != expected)
                        QFAIL(qPrintable(QStringLiteral("page pixel (%1, %2) is not map pixel (%3, %4)")
                                             .arg(x).arg(y).arg(m.x()).arg(m.y())));
                }
            }
        } else {
            const MapBitmap reduced = reducedCopy(map, printed->layout().picturePixels);
            QVERIFY(std::equal(page.row(0), page.row(0) + std::size_t(page.width()) * page.height(), reduced.row(0)));
        }
    }

    // Without attached layouts the window prints with layouts of its own and
    // still reports the preview's closing.
    void printsBeforeLayoutsAreAttached()
    {
        TForm12 alone;
        alone.attachMap(*m_view);
        QSignalSpy closed(&alone, &TForm12::previewClosed);
        ModalWatcher watcher;
        alone.show();
        alone.SpeedButton2Click();
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(closed.size(), 1);
        QVERIFY(!alone.isVisible());
    }

private:
    std::unique_ptr<QWidget> m_mainWindow;
    MapControl* m_control = nullptr;
    std::unique_ptr<MapView> m_view;
    std::unique_ptr<TForm11> m_form11;
    std::unique_ptr<TForm13> m_form13;
    std::unique_ptr<TForm12> m_form12;
};

QTEST_MAIN(TestPrintWindow)
#include "tst_print_window.moc"
