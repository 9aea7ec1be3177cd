#include "AppFolderFixture.h"
#include "ModalWatcher.h"

#include "app/NavigatorApplication.h"
#include "app/TForm1.h"
#include "map/MapView.h"
#include "map/StreetFinder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

// The street finder of the main window, driven through its controls.
class TestStreetFinderUi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.ready() && m_folder.enter());
        m_form = std::make_unique<TForm1>();
        m_form->FormCreate();
        m_form->show();
        m_edit = m_form->findChild<QLineEdit*>("Edit1");
        m_list = m_form->findChild<QListWidget*>("ListBox1");
        m_find = m_form->findChild<QToolButton*>("SpeedButton1");
        QVERIFY(m_edit && m_list && m_find);
        QCOMPARE(m_list->count(), 86);
    }

    void typingSelectsAndEnablesFind()
    {
        type(QStringLiteral("лен"));
        QCOMPARE(selected(), QStringLiteral("Ленина"));
        QVERIFY(m_find->isEnabled());
        // Text that no name begins with keeps the selection and still enables the button.
        type(QStringLiteral("qqq"));
        QCOMPARE(selected(), QStringLiteral("Ленина"));
        QVERIFY(m_find->isEnabled());
        m_edit->clear();
        QCOMPARE(selected(), QStringLiteral("40 лет Победы"));
        QVERIFY(!m_find->isEnabled());
    }

    void clickingAnItemWritesItsName()
    {
        const QListWidgetItem* mira = m_list->findItems(QStringLiteral("Мира"), Qt::MatchExactly).value(0);
        QVERIFY(mira);
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, m_list->visualItemRect(mira).center());
        QCOMPARE(m_edit->text(), QStringLiteral("Мира"));
        QCOMPARE(selected(), QStringLiteral("Мира"));
    }

    // After "Лен" has selected "Ленина": a click on an item writes its name
    // into the field, whether the item was selected or not; Ctrl+click does
    // too and leaves the list with a selection; a key that moves the
    // selection writes the new item's name.
    void choosingFromTheList_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("click on the selected item") << "click" << "Ленина" << "Ленина";
        QTest::newRow("click on another item") << "click" << "Мира" << "Мира";
        QTest::newRow("Ctrl+click on the selected item") << "ctrl+click" << "Ленина" << "Ленина";
        QTest::newRow("Ctrl+click on another item") << "ctrl+click" << "Мира" << "Мира";
        QTest::newRow("key down") << "down" << "" << "Лермонтова";
    }

    void choosingFromTheList()
    {
        QFETCH(QString, action);
        QFETCH(QString, item);
        QFETCH(QString, chosen);
        m_edit->clear();
        type(QStringLiteral("Лен"));
        QCOMPARE(selected(), QStringLiteral("Ленина"));
        QCOMPARE(m_edit->text(), QStringLiteral("Лен"));
        if (action == QLatin1String("down")) {
            QTest::keyClick(m_list, Qt::Key_Down);
        } else {
            const QListWidgetItem* target = m_list->findItems(item, Qt::MatchExactly).value(0);
            QVERIFY(target);
            m_list->scrollToItem(target);
            const Qt::KeyboardModifiers modifiers = action == QLatin1String("ctrl+click") ? Qt::ControlModifier
                                                                                       : Qt::NoModifier;
            QTest::mouseClick(m_list->viewport(), Qt::LeftButton, modifiers, m_list->visualItemRect(target).center());
        }
        QCOMPARE(m_edit->text(), chosen);
        QCOMPARE(selected(), chosen);
    }

    void findShowsTheStreetInRed()
    {
        m_edit->setText(QStringLiteral("Ленина"));
        QTest::mouseClick(m_find, Qt::LeftButton);
        QVERIFY(m_form->mapView().detailMode());
        QCOMPARE(m_form->streetFinder()->highlightedStreet(), 2);
        QCOMPARE(m_form->mapView().viewOrigin(), QPoint(1319, 1540));
    }

    void streetWithoutARowOnlySetsDetailMode()
    {
        m_form->mapView().ShowWholeMap();
        m_edit->setText(QStringLiteral("Линейная"));
        QCOMPARE(selected(), QStringLiteral("Линейная"));
        QTest::mouseClick(m_find, Qt::LeftButton);
        QVERIFY(m_form->mapView().detailMode());
        QCOMPARE(m_form->streetFinder()->highlightedStreet(), 2);
        QCOMPARE(m_form->mapView().viewOrigin(), QPoint(1319, 1540));
    }

    void findWithoutSelectionIsAListError()
    {
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
        m_edit->setText(QStringLiteral("zzz"));
        QVERIFY(m_find->isEnabled());
        ModalWatcher watcher;
        QTest::mouseClick(m_find, Qt::LeftButton);
        QTRY_COMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].text, QStringLiteral("List index out of bounds (-1)"));
        QCOMPARE(watcher.seen[0].icon, QMessageBox::Critical);
        QVERIFY(m_form->mapView().detailMode());
    }

private:
    // Types into the edit field one character at a time, as a keyboard does
    // (QTest's key clicks know no Cyrillic keys).
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(m_edit, &press);
        }
    }

    QString selected() const
    {
        const auto items = m_list->selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }

    AppFolderFixture m_folder;
    std::unique_ptr<TForm1> m_form;
    QLineEdit* m_edit = nullptr;
    QListWidget* m_list = nullptr;
    QToolButton* m_find = nullptr;
};

int main(int argc, char** argv)
{
    NavigatorApplication app(argc, argv);
    TestStreetFinderUi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_street_finder_ui.moc"
