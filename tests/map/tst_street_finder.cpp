#include "map/MapControl.h"
#include "map/MapView.h"
#include "map/RotatedText.h"
#include "map/StreetFinder.h"

#include <QtTest>

namespace {
constexpr std::uint8_t kRed = 224;

int countIndex(const MapBitmap& map, std::uint8_t index)
{
    int n = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            n += map.at(x, y) == index;
    return n;
}
} // namespace

class TestStreetFinder : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_control = new MapControl(m_window.get());
        m_control->setGeometry(25, 73, 800, 519);
        m_view = std::make_unique<MapView>(*m_control, *m_window);
        m_view->setMap(MapBitmap(3684, 2698, MapBitmap::townPalette(), 255));
        m_finder = std::make_unique<StreetFinder>(*m_view, StreetCatalogue::load(), StreetLabelTable::load());
        m_finder->drawAllLabels();
        m_view->setDetailMode(true);
    }

    void lookups_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("street");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("found") << "Ленина" << 2 << QPoint(1319, 1540);
        QTest::newRow("words with digits") << "50 лет Октября" << 15 << QPoint(1587, 738);
        QTest::newRow("47 shares its anchor") << m_names(47) << 47 << QPoint(43, 1618);
        QTest::newRow("48 shares it too") << m_names(48) << 48 << QPoint(43, 1618);
        QTest::newRow("anchor beyond 2884") << "40 лет Победы" << 78 << QPoint(2884, 1349);
        QTest::newRow("in the list but not on the map") << "Линейная" << 0 << QPoint(1500, 1500);
        QTest::newRow("leading space") << " Ленина" << 0 << QPoint(1500, 1500);
        QTest::newRow("trailing space") << "Ленина " << 0 << QPoint(1500, 1500);
        QTest::newRow("lower-case first letter") << "ленина" << 0 << QPoint(1500, 1500);
    }
    void lookups()
    {
        QFETCH(QString, name);
        QFETCH(int, street);
        QFETCH(QPoint, origin);
        const bool found = street != 0;
        QCOMPARE(m_finder->GoToStreet(name), found);
        QCOMPARE(m_finder->highlightedStreet(), street);
        QCOMPARE(m_view->viewOrigin(), origin);
        QCOMPARE(m_control->showsPiece(), found);
        if (found)
            QCOMPARE(m_control->presentedOrigin(), origin);
        QCOMPARE(countIndex(m_view->mapBitmap(), kRed) > 0, found);
    }

    void firstLookupOnlyTurnsTheStreetRed()
    {
        const MapBitmap before = m_view->mapBitmap();
        QVERIFY(m_finder->GoToStreet("Мира"));
        const MapBitmap& after = m_view->mapBitmap();
        int changed = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.at(x, y) != before.at(x, y)) {
                    QCOMPARE(int(after.at(x, y)), int(kRed));
                    ++changed;
                }
        QCOMPARE(changed, countIndex(after, kRed));
    }

    void theRedStreetMovesOn()
    {
        QVERIFY(m_finder->GoToStreet("Ленина"));
        const int leninRed = countIndex(m_view->mapBitmap(), kRed);
        QVERIFY(m_finder->GoToStreet("Ленина"));
        QCOMPARE(countIndex(m_view->mapBitmap(), kRed), leninRed);
        QVERIFY(m_finder->GoToStreet("Мира"));
        MapBitmap onlyMira(3684, 2698, MapBitmap::townPalette(), 255);
        DrawStreetLabels(onlyMira, m_finder->labels(), 38, kLabelRed);
        QCOMPARE(countIndex(m_view->mapBitmap(), kRed), countIndex(onlyMira, kRed));
        QCOMPARE(m_finder->highlightedStreet(), 38);
    }

private:
    QString m_names(int street) const
    {
        return StreetCatalogue::load().rows()[std::size_t(street - 1)].name;
    }

    std::unique_ptr<QWidget> m_window;
    MapControl* m_control = nullptr;
    std::unique_ptr<MapView> m_view;
    std::unique_ptr<StreetFinder> m_finder;
};

QTEST_MAIN(TestStreetFinder)
#include "tst_street_finder.moc"
