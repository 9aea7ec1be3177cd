#include "base/AppError.h"
#include "reference/AlphabeticOrder.h"
#include "reference/PostalFinder.h"
#include "reference/PostalTree.h"
#include "reference/PostalTreeFile.h"
#include "reference/PostalTreeModel.h"

#include <QAbstractItemModelTester>
#include <QRegularExpression>
#include <QtTest>

namespace {
// Display positions in comments.
const QByteArray kFixture =
    "АЛТАЙСКИЙ КРАЙ\n"                // 0
    "\tАЛЕЙСК - 658130\n"             // 1
    "\tАЛЕЙСКИЙ РАЙОН\n"              // 2
    "\t\tБОРОВСКОЕ - 658115\n"        // 3
    "\t\tПРИАЛТАЙСКИЙ - 658121\n"     // 4
    "МОСКВА - 101000\n"               // 5
    "\tЗЕЛЕНОГРАД - 124365\n"         // 6
    "\tКОММУНАРКА РАЙОН\n"            // 7
    "\t\tКОММУНАРКА - 108801\n"       // 8
    "ТВЕРСКАЯ ОБЛАСТЬ\n"              // 9
    "\tБЕЖЕЦКИЙ РАЙОН\n"              // 10
    "\t\tБЕЖЕЦК - 171980\n"           // 11
    "\t\tАЛТАЙСКОЕ - 171983\n";       // 12

// The same tree in the embedded form, where the node texts follow each other
// with nothing in between.
PostalTree embeddedFixture()
{
    const PostalTree outline = PostalTree::fromOutline(kFixture);
    std::vector<PostalTreeFile::Node> nodes;
    for (int i = 0; i < outline.size(); ++i)
        nodes.push_back({outline.depth(i), outline.text(i).toString()});
    return PostalTree::fromEmbedded(PostalTreeFile::encode(nodes));
}
} // namespace

// The postal tree as loaded from its outline, the item model over it, and the
// search of "Найти" / "Наити далее" with LastFoundIndex and the path text.
class TestPostalTree : public QObject {
    Q_OBJECT

private slots:
    void outlineGivesParentsRowsAndChildren()
    {
        const PostalTree tree = PostalTree::fromOutline(kFixture);
        QCOMPARE(tree.size(), 13);
        QCOMPARE(tree.childCount(PostalTree::kNoNode), 3);
        QCOMPARE(tree.child(PostalTree::kNoNode, 2), 9);
        QCOMPARE(tree.parent(3), 2);
        QCOMPARE(tree.parent(2), 0);
        QCOMPARE(tree.parent(5), PostalTree::kNoNode);
        QCOMPARE(tree.row(12), 1);
        QCOMPARE(tree.depth(12), 2);
        QCOMPARE(tree.childCount(5), 2);
        QCOMPARE(tree.child(5, 1), 7);
        QCOMPARE(tree.child(5, 2), PostalTree::kNoNode);
        QCOMPARE(tree.text(7).toString(), QStringLiteral("КОММУНАРКА РАЙОН"));
    }

    void outlineAcceptsCarriageReturnsAndEmptyLines()
    {
        const PostalTree tree = PostalTree::fromOutline("А - 100000\r\n\r\n\tБ - 200000\r\n");
        QCOMPARE(tree.size(), 2);
        QCOMPARE(tree.text(1).toString(), QStringLiteral("Б - 200000"));
        QCOMPARE(tree.parent(1), 0);
    }

    void outlineSkippingALevelIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(AppError, PostalTree::fromOutline("А\n\t\tБ\n"));
        QVERIFY_THROWS_EXCEPTION(AppError, PostalTree::fromOutline("\tА\n"));
    }

    void pathJoinsAncestors()
    {
        const PostalTree tree = PostalTree::fromOutline(kFixture);
        QCOMPARE(postalNodePath(tree, 3), QStringLiteral("АЛТАЙСКИЙ КРАЙ - АЛЕЙСКИЙ РАЙОН - БОРОВСКОЕ - 658115"));
        QCOMPARE(postalNodePath(tree, 6), QStringLiteral("МОСКВА - 101000 - ЗЕЛЕНОГРАД - 124365"));
    }

    void modelPassesTheModelTester()
    {
        const PostalTree tree = PostalTree::fromOutline(kFixture);
        PostalTreeModel model(tree);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.rowCount(model.indexOfNode(2)), 2);
    }

    // Presses on a fresh search state: "F" is "Найти", "N" is "Наити далее".
    void search_data()
    {
        QTest::addColumn<QString>("nameField");
        QTest::addColumn<QString>("indexField");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QList<int>>("found");   // per press, -1 for no match
        QTest::addColumn<int>("lastFound");
        QTest::addColumn<QString>("path");

        QTest::newRow("small letters find nothing") << "алтай" << "" << "F" << QList<int>{-1} << 0 << "";
        QTest::newRow("index fragment anywhere") << "" << "5813" << "F" << QList<int>{1} << 1
                                                 << "АЛТАЙСКИЙ КРАЙ - АЛЕЙСК - 658130";
        QTest::newRow("index field used when name field is empty") << "" << "108801" << "F" << QList<int>{8} << 8
                                                                   << "МОСКВА - 101000 - КОММУНАРКА РАЙОН - КОММУНАРКА - 108801";
        QTest::newRow("name field wins over index field") << "БЕЖЕЦК" << "658130" << "F" << QList<int>{10} << 10
                                                          << "ТВЕРСКАЯ ОБЛАСТЬ - БЕЖЕЦКИЙ РАЙОН";
        QTest::newRow("blank name field is searched as blanks") << "   " << "658130" << "F" << QList<int>{-1} << 0 << "";
        QTest::newRow("both fields empty find nothing") << "" << "" << "FN" << QList<int>{-1, -1} << 0 << "";
        QTest::newRow("find examines position 0 and leaves the path") << "АЛТАЙ" << "" << "F" << QList<int>{0} << 0 << "";
        QTest::newRow("next before any search starts at 1") << "АЛТАЙ" << "" << "N" << QList<int>{4} << 4
                                                             << "АЛТАЙСКИЙ КРАЙ - АЛЕЙСКИЙ РАЙОН - ПРИАЛТАЙСКИЙ - 658121";
        QTest::newRow("next never examines position 0") << "КРАЙ" << "" << "N" << QList<int>{-1} << 0 << "";
        QTest::newRow("match after match") << "АЛТАЙ" << "" << "FNN" << QList<int>{0, 4, 12} << 12
                                           << "ТВЕРСКАЯ ОБЛАСТЬ - БЕЖЕЦКИЙ РАЙОН - АЛТАЙСКОЕ - 171983";
        QTest::newRow("no wrap-around after the last match") << "АЛТАЙ" << "" << "FNNN" << QList<int>{0, 4, 12, -1} << 12
                                                              << "ТВЕРСКАЯ ОБЛАСТЬ - БЕЖЕЦКИЙ РАЙОН - АЛТАЙСКОЕ - 171983";
        QTest::newRow("find starts again from the top") << "АЛТАЙ" << "" << "FNNNF" << QList<int>{0, 4, 12, -1, 0} << 0
                                                        << "ТВЕРСКАЯ ОБЛАСТЬ - БЕЖЕЦКИЙ РАЙОН - АЛТАЙСКОЕ - 171983";
        QTest::newRow("find after next returns to the first match") << "КОММУНАРКА" << "" << "FNF"
                                                                 << QList<int>{7, 8, 7} << 7
                                                                 << "МОСКВА - 101000 - КОММУНАРКА РАЙОН";
    }

    void search()
    {
        QFETCH(QString, nameField);
        QFETCH(QString, indexField);
        QFETCH(QString, presses);
        QFETCH(QList<int>, found);
        QFETCH(int, lastFound);
        QFETCH(QString, path);

        // Both forms of the tree: the outline keeps line breaks between the
        // texts, the embedded form none.
        for (const PostalTree& tree : {PostalTree::fromOutline(kFixture), embeddedFixture()}) {
            PostalFinder finder(tree);
            QList<int> results;
            for (QChar press : presses)
                results.append(press == QLatin1Char('F') ? finder.find(nameField, indexField)
                                                         : finder.findNext(nameField, indexField));
            QCOMPARE(results, found);
            QCOMPARE(finder.lastFoundIndex(), lastFound);
            QCOMPARE(finder.pathText(), path);
        }
    }

    // The texts of neighbouring nodes lie side by side in one buffer; a match
    // must lie inside one node's text, never across two.
    void matchNeverRunsAcrossTwoNodes()
    {
        const PostalTree fixture = embeddedFixture();
        QCOMPARE(fixture.text(4).toString() + fixture.text(5).toString(),
                 QStringLiteral("ПРИАЛТАЙСКИЙ - 658121МОСКВА - 101000"));
        QCOMPARE(findTreeNode(fixture, QStringLiteral("121МОСКВА"), 0), PostalTree::kNoNode);
        QCOMPARE(findTreeNode(fixture, QStringLiteral("1М"), 0), PostalTree::kNoNode);

        // "АБ" + "ВГ" reads "АБВГ": the hit across the border is skipped and the
        // search goes on to the node that holds the text.
        const PostalTree tree = PostalTree::fromEmbedded(
            PostalTreeFile::encode({{0, QStringLiteral("АБ")}, {0, QStringLiteral("ВГ")}, {1, QString()},
                                    {1, QStringLiteral("БВ")}}));
        QCOMPARE(findTreeNode(tree, QStringLiteral("БВ"), 0), 3);
        QCOMPARE(findTreeNode(tree, QStringLiteral("Г"), 0), 1);
        QCOMPARE(findTreeNode(tree, QStringLiteral("Г"), 2), PostalTree::kNoNode);
        QCOMPARE(findTreeNode(tree, QStringLiteral("ГБ"), 0), PostalTree::kNoNode);
    }

    void topLevelMatchLeavesPathAfterDeeperOne()
    {
        const PostalTree tree = PostalTree::fromOutline(kFixture);
        PostalFinder finder(tree);
        QCOMPARE(finder.find(QStringLiteral("ЗЕЛЕНОГРАД"), {}), 6);
        QCOMPARE(finder.find(QStringLiteral("ТВЕРСКАЯ"), {}), 9);
        QCOMPARE(finder.lastFoundIndex(), 9);
        QCOMPARE(finder.pathText(), QStringLiteral("МОСКВА - 101000 - ЗЕЛЕНОГРАД - 124365"));
    }

    // A new text searched with "Наити далее" starts after the previous match,
    // whatever that match was for.
    void changedTextContinuesAfterPreviousMatch()
    {
        const PostalTree tree = PostalTree::fromOutline(kFixture);
        PostalFinder finder(tree);
        QCOMPARE(finder.find(QStringLiteral("КОММУНАРКА"), {}), 7);
        QCOMPARE(finder.findNext(QStringLiteral("АЛТАЙ"), {}), 12);
        QCOMPARE(finder.findNext(QStringLiteral("МОСКВА"), {}), -1);
        QCOMPARE(finder.lastFoundIndex(), 12);
    }

    // The tree embedded in the program: model links agree with the flat
    // array for every node.
    void embeddedTreeModelIsConsistent()
    {
        const PostalTree tree = PostalTree::fromResource();
        PostalTreeModel model(tree);
        QVERIFY(tree.size() > 30000);
        for (int node = 0; node < tree.size(); ++node) {
            const QModelIndex index = model.indexOfNode(node);
            const int parent = tree.parent(node);
            QCOMPARE(PostalTreeModel::nodeOf(index.parent()), parent);
            QCOMPARE(PostalTreeModel::nodeOf(model.index(index.row(), 0, model.indexOfNode(parent))), node);
            if (node > 0 && tree.depth(node) > tree.depth(node - 1))
                QCOMPARE(parent, node - 1); // a subtree follows its node at once
        }
    }

    // The embedded tree keeps the directory's rules: capitals, indexed leaves
    // written "NAME - INDEX", groups below the top without an index, siblings
    // in alphabetical order, at most three levels below the top.
    void embeddedTreeKeepsItsRules()
    {
        const PostalTree tree = PostalTree::fromResource();
        const QRegularExpression indexed(QStringLiteral("^\\S.* - \\d{6}$"));
        int topLevel = 0;
        for (int node = 0; node < tree.size(); ++node) {
            const QString text = tree.text(node).toString();
            QVERIFY2(text == text.toUpper(), qPrintable(text));
            QVERIFY(tree.depth(node) <= 3);
            const bool leaf = tree.childCount(node) == 0;
            const bool hasIndex = indexed.match(text).hasMatch();
            if (leaf)
                QVERIFY2(hasIndex, qPrintable(text));
            else if (tree.depth(node) > 0)
                QVERIFY2(!hasIndex, qPrintable(text));
            if (tree.row(node) > 0) {
                const int previous = tree.child(tree.parent(node), tree.row(node) - 1);
                QVERIFY2(AlphabeticOrder::less(tree.text(previous), tree.text(node)),
                         qPrintable(tree.text(previous).toString() + QStringLiteral(" / ") + text));
            }
            if (tree.depth(node) == 0)
                ++topLevel;
        }
        QVERIFY(topLevel > 80);
    }
};

QTEST_MAIN(TestPostalTree)
#include "tst_postal_tree.moc"
