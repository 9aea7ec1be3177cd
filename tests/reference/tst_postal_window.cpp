#include "ReferenceFixtures.h"

#include "reference/PostalTreeModel.h"
#include "reference/TForm15.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeView>

// The postal index window over the embedded tree: its controls, the fields that
// empty each other, and what a search does to the tree and the path label.
class TestPostalWindow : public QObject {
    Q_OBJECT

private slots:
    void namesAndCaption()
    {
        TForm15 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Почтовые индексы Российской Федерации"));
        QCOMPARE(form.SpeedButton1->text(), QStringLiteral("Найти"));
        QCOMPARE(form.SpeedButton3->text(), QStringLiteral("Наити далее"));
        QCOMPARE(form.SpeedButton2->toolTip(), QStringLiteral("Справка"));
        QCOMPARE(form.Label1->text(), QStringLiteral("Название   "));
        QCOMPARE(form.Label2->text(), QStringLiteral("  Индекс   "));
        QVERIFY(form.Label3->text().isEmpty());
        QCOMPARE(form.TreeView1->indentation(), 19);
        QCOMPARE(form.LastFoundIndex(), 0);
        for (const char* name : {"Edit1", "Edit2", "Label3", "TreeView1", "SpeedButton1", "SpeedButton2", "SpeedButton3"})
            QVERIFY2(form.findChild<QWidget*>(QString::fromLatin1(name)), name);
    }

    void helpText()
    {
        QCOMPARE(postalHelpText(),
                 QStringLiteral("Поиск осуществляется по названию объекта или по индексу. \n\r"
                                "Возможно введение не полного названия объекта или индекса. "));
    }

    // Typing into one field empties the other, and the field typed into keeps
    // its text.
    void fieldsEmptyEachOther()
    {
        TForm15 form;
        form.show();
        ReferenceFixtures::typeText(form.Edit1, QStringLiteral("ТВЕР"));
        ReferenceFixtures::typeText(form.Edit2, QStringLiteral("1719"));
        QCOMPARE(form.Edit1->text(), QString());
        QCOMPARE(form.Edit2->text(), QStringLiteral("1719"));
        ReferenceFixtures::typeText(form.Edit1, QStringLiteral("Б"));
        QCOMPARE(form.Edit1->text(), QStringLiteral("Б"));
        QCOMPARE(form.Edit2->text(), QString());
    }

    // A match below the top level is selected with its ancestors expanded, and
    // its path goes to Label3; a top-level match leaves Label3 alone.
    void searchSelectsExpandsAndShowsPath()
    {
        TForm15 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Edit1->setText(QStringLiteral("ГИАГИНСКАЯ"));
        form.SpeedButton1->click();
        const int found = form.selectedNode();
        QVERIFY(found > 0);
        QCOMPARE(form.LastFoundIndex(), found);
        QVERIFY(form.tree().text(found).startsWith(QStringLiteral("ГИАГИНСКАЯ - ")));
        QVERIFY(form.Label3->text().startsWith(QStringLiteral("АДЫГЕЯ РЕСПУБЛИКА - ГИАГИНСКИЙ РАЙОН - ГИАГИНСКАЯ - ")));
        const QModelIndex current = form.TreeView1->currentIndex();
        QCOMPARE(PostalTreeModel::nodeOf(current), found);
        for (QModelIndex a = current.parent(); a.isValid(); a = a.parent())
            QVERIFY(form.TreeView1->isExpanded(a));
        QVERIFY(form.TreeView1->visualRect(current).intersects(form.TreeView1->viewport()->rect()));
        QCOMPARE(QApplication::focusWidget(), form.TreeView1);
        ReferenceFixtures::saveShot(&form, QStringLiteral("TForm15.png"));

        const QString path = form.Label3->text();
        form.Edit1->setText(QStringLiteral("МОСКВА - "));
        form.SpeedButton1->click();
        QCOMPARE(form.tree().depth(form.selectedNode()), 0);
        QCOMPARE(form.Label3->text(), path);
    }

    void noMatchChangesNothing()
    {
        TForm15 form;
        form.show();
        form.Edit2->setText(QStringLiteral("385"));
        form.SpeedButton1->click();
        const int found = form.selectedNode();
        const QString path = form.Label3->text();
        QVERIFY(found > 0);
        form.Edit2->setText(QStringLiteral("ZZZ"));
        form.SpeedButton3->click();
        QCOMPARE(form.selectedNode(), found);
        QCOMPARE(form.LastFoundIndex(), found);
        QCOMPARE(form.Label3->text(), path);
    }
};

QTEST_MAIN(TestPostalWindow)
#include "tst_postal_window.moc"
