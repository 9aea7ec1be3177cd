#include "AppFolderFixture.h"
#include "ModalWatcher.h"

#include "app/LayoutScale.h"
#include "app/NavigatorApplication.h"
#include "app/TForm1.h"

#include <QAbstractItemModel>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

// Runs once per screen size (see CMakeLists.txt): on 800 x 600 every control
// must stand at 77 % of its designed place, on any other screen at its design.
class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.ready() && m_folder.enter());
        ModalWatcher watcher;
        m_form = std::make_unique<TForm1>();
        m_form->FormCreate();
        QVERIFY2(watcher.seen.isEmpty(), qPrintable(watcher.seen.value(0).text));
        QCOMPARE(m_form->startupSequence().completedSteps(), m_form->startupSequence().stepNames());
        m_screen = QGuiApplication::primaryScreen()->size();
        qInfo() << "screen" << m_screen;
    }

    void scaleFollowsTheScreen()
    {
        const bool small = m_screen == QSize(800, 600);
        QCOMPARE(m_form->layoutScale().multiplier, small ? 77 : 100);
        QCOMPARE(m_form->layoutScale().overviewScale, small ? QPoint(26, 26) : QPoint(20, 19));
        QCOMPARE(m_form->font().pixelSize(), small ? 8 : 11);
    }

    void controlsStandWhereDesigned_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("designed");
        const struct {
            const char* name;
            QRect rect;
        } controls[] = {
            {"ToolBar1", {0, 0, 425, 50}},         {"SpeedButton4", {25, 2, 45, 47}},
            {"SpeedButton5", {70, 2, 45, 47}},     {"SpeedButton6", {115, 2, 45, 47}},
            {"SpeedButton8", {168, 2, 45, 47}},    {"SpeedButton10", {213, 2, 45, 47}},
            {"SpeedButton11", {258, 2, 45, 47}},   {"SpeedButton9", {313, 2, 45, 47}},
            {"SpeedButton7", {358, 2, 45, 47}},    {"Image6", {20, 48, 805, 23}},
            {"Image7", {0, 70, 23, 523}},          {"Bevel1", {24, 72, 801, 521}},
            {"Image1", {25, 73, 800, 519}},        {"GroupBox1", {832, 8, 185, 153}},
            {"Image2", {2, 15, 181, 136}},         {"GroupBox2", {832, 168, 185, 441}},
            {"Edit1", {4, 16, 177, 21}},           {"ListBox1", {4, 48, 177, 353}},
            {"SpeedButton1", {8, 408, 169, 26}},   {"DBGrid1", {0, 616, 985, 97}},
            {"SpeedButton2", {988, 616, 33, 49}},  {"SpeedButton3", {988, 669, 33, 49}},
            {"Image3", {568, 1, 468, 49}},         {"Image4", {584, -7, 468, 49}},
            {"Image5", {632, 0, 468, 49}},
        };
        for (const auto& c : controls)
            QTest::newRow(c.name) << QString::fromLatin1(c.name) << c.rect;
    }
    void controlsStandWhereDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, designed);
        auto* control = m_form->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), scaledRect(designed, layoutScaleFor(m_screen)));
    }

    void hints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hint");
        QTest::newRow("zoom in") << "SpeedButton4" << "Увеличение";
        QTest::newRow("zoom out") << "SpeedButton5" << "Уменьшить";
        QTest::newRow("whole map") << "SpeedButton6" << "Всю карту в окно";
        QTest::newRow("codes") << "SpeedButton8" << "Коды городов Российской Федерации";
        QTest::newRow("enterprises") << "SpeedButton10" << "Справочник предприятий и организаций";
        QTest::newRow("postal") << "SpeedButton11" << "Почтовые индексы Российской Федерации";
        QTest::newRow("print") << "SpeedButton9" << "Печать фрагмента карты";
        QTest::newRow("help") << "SpeedButton7" << "Справка";
        QTest::newRow("find street") << "SpeedButton1" << "Найти улицу";
        QTest::newRow("on map") << "SpeedButton2" << "Поиск на карте";
        QTest::newRow("in table") << "SpeedButton3" << "Поиск по таблице";
    }
    void hints()
    {
        QFETCH(QString, name);
        QFETCH(QString, hint);
        auto* button = m_form->findChild<QToolButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), hint);
        if (name != "SpeedButton1")
            QVERIFY2(!button->icon().isNull(), "every picture button shows a picture");
    }

    void stateAtStart()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Тальвинск Навигатор 1.5"));
        QVERIFY(m_form->windowState() & Qt::WindowMaximized);
        auto* find = m_form->findChild<QToolButton*>("SpeedButton1");
        QCOMPARE(find->text(), QStringLiteral("Найти"));
        QVERIFY(!find->isEnabled());
        QVERIFY(m_form->findChild<QWidget*>("SpeedButton10")->isHidden());
        for (const char* banner : {"Image3", "Image4", "Image5"})
            QVERIFY2(m_form->findChild<QWidget*>(banner)->isHidden(), banner);
        QCOMPARE(m_form->findChild<QGroupBox*>("GroupBox1")->title(), QStringLiteral("  П л а н  "));
        QCOMPARE(m_form->findChild<QGroupBox*>("GroupBox2")->title(), QStringLiteral("  У л и ц ы  "));
        auto* timer1 = m_form->findChild<QTimer*>("Timer1");
        auto* timer2 = m_form->findChild<QTimer*>("Timer2");
        QVERIFY(timer1 && timer2);
        QCOMPARE(timer1->interval(), 5000);
        QCOMPARE(timer2->interval(), 50);
        QVERIFY(!timer1->isActive() && !timer2->isActive());
    }

    void gridColumnsAndMenu()
    {
        auto* grid = m_form->findChild<QTableView*>("DBGrid1");
        QStringList captions;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            captions << grid->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(captions, (QStringList{"Телефон", "Фамилия И.О.", "Адрес", "Коментарии"}));

        auto* menu = m_form->findChild<QMenu*>("PopupMenu1");
        QVERIFY(menu);
        QStringList items;
        for (QAction* a : menu->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{"Сортировать по", "Поиск", "Добавить", "Удалить", "Изменить", "-", "Выход"}));
        QStringList sortItems;
        for (QAction* a : menu->actions().first()->menu()->actions())
            sortItems << a->text();
        QCOMPARE(sortItems, (QStringList{"Телефон", "Адрес", "Фамилия И.О.", "Коментарий"}));
    }

private:
    AppFolderFixture m_folder;
    std::unique_ptr<TForm1> m_form;
    QSize m_screen;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_main_window.moc"
