// The table store on SQLite, its
// Russian order and case-folding like, bound values, and the store's errors.
#include "DirectoryFixture.h"

#include "directory/DirectoryStatement.h"
#include "directory/RussianText.h"
#include "directory/TableStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace DirectoryFixture;

namespace {

QStringList selectColumn(TableStore& store, const DirectoryStatement& statement, int column)
{
    QStringList values;
    QSqlQuery query = store.select(statement);
    while (query.next())
        values << query.value(column).toString();
    return values;
}

QList<Row> selectRows(TableStore& store, const DirectoryStatement& statement)
{
    QList<Row> rows;
    QSqlQuery query = store.select(statement);
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                     query.value(3).toString()});
    return rows;
}

// Texts that broke or bent the statements that were built by joining them.
QStringList trickyTexts()
{
    QString controls = QStringLiteral("a");
    for (char16_t c = 1; c < 32; ++c)
        controls += QChar(c);
    controls += QStringLiteral("b\x7f" "c");
    QString longText;
    while (longText.size() < 10000)
        longText += QStringLiteral("Длинный текст Long text ё№%_\\'\" ");
    longText.truncate(10000);
    return {
        QStringLiteral("O'Brien"),
        QStringLiteral("\"Ромашка\""),
        QStringLiteral("it's \"quoted\" and 'single'"),
        QStringLiteral("100%"),
        QStringLiteral("a_b"),
        QStringLiteral("C:\\путь\\файл.txt"),
        QStringLiteral("\\"),
        QStringLiteral("'); delete from prdata; --"),
        QStringLiteral("\"); drop table prdata; --"),
        QStringLiteral("' or '1'='1"),
        controls,
        QString::fromUtf16(u"nul\u0000inside"),
        QStringLiteral("Иванов Ivan Ёжик ЁЛКА ёлка"),
        QStringLiteral("  blanks around  "),
        QStringLiteral(""),
        longText,
    };
}

} // namespace

class TestTableStore : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(QStringLiteral("prdata.db"));
    }
    void cleanup() { m_dir.reset(); }

    void russianOrderIgnoresCaseAndPutsYoBesideYe()
    {
        const QStringList expected = {
            QStringLiteral("авдеев"),  QStringLiteral("Борисов"), QStringLiteral("Егоров"),
            QStringLiteral("Ёжиков"),  QStringLiteral("елкин"),   QStringLiteral("Ёлкин"),
            QStringLiteral("Емельянов"), QStringLiteral("Ершов"), QStringLiteral("Жуков"),
            QStringLiteral("иванов"),  QStringLiteral("Иванова"), QStringLiteral("Яковлев"),
        };
        for (int i = 0; i + 1 < expected.size(); ++i)
            QVERIFY2(RussianText::compare(expected[i], expected[i + 1]) < 0,
                     qPrintable(expected[i] + QStringLiteral(" < ") + expected[i + 1]));
        QCOMPARE(RussianText::compare(QStringLiteral("ИВАНОВ"), QStringLiteral("иванов")), 0);

        // The store sorts the same way.
        QList<Row> rows;
        const QList<int> shuffled = {7, 2, 11, 0, 9, 4, 1, 10, 5, 3, 8, 6};
        for (int i : shuffled)
            rows.append({QString::number(i), expected[i], QString(), QString()});
        writeDirectory(m_path, rows);
        TableStore store(m_path);
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAllOrderedBy(SortField::Fio), 1), expected);
    }

    void quickCollationAgreesWithTheCollator()
    {
        // The collation SQLite calls decides most pairs without the collator;
        // it must order every pair exactly as the collator does.
        QStringList words = {
            "Иванов", "иванов", "ИВАНОВ", "Иванова", "Ёлкин", "Елкин", "елкин", "ёлкин", "Ершов", "Ежов", "ёж",
            "еж", "ежик", "ёжик", "Ёжиков", "Аптека №1", "Аптека №2", "Аптека 1", "Apteka", "apteka", "Ivanov",
            "50 лет Октября", "5 лет", "50лет", "Ленина 25", "Ленина 25 кв 3", "Ленина, 5", "Ленина-5",
            "ул. Ленина", "(Ленина)", "\"Ромашка\"", "'Ромашка'", "Ромашка", "Й", "И", "Ий", "Ия", "йод",
            "иод", "ь", "ъ", "Ъ", "", " ", "  ", "a b", "ab", "a-b", "a.b", "Ж/д вокзал", "жд вокзал", "Щукин",
            "щ", "Я", "я", "z", "Z", "0", "9", "10", "1", "é", "e", "Ü", "u", "straße", "strasse", "Ǆ",
            "е\u0308лкин", "a\tb", "a\x01" "b", "O'Brien", "OBrien", "ООО \"ЮгСтрой\"", "ООО ЮгСтрой",
        };
        words << QString::fromUtf16(u"\u0435\u0308") << QString::fromUtf16(u"\u0451");
        const QStringList base = words;
        for (const QString& a : base.mid(0, 20))
            for (const QString& b : base.mid(20, 20))
                words << a + QLatin1Char(' ') + b;
        const auto sign = [](int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; };
        for (const QString& a : words) {
            for (const QString& b : words) {
                const int expected = sign(RussianText::compare(a, b));
                const int quick = sign(RussianText::collateUtf8(a.toUtf8(), b.toUtf8()));
                if (quick != expected)
                    QFAIL(qPrintable(QStringLiteral("%1 vs %2: %3, collator %4").arg(a, b).arg(quick).arg(expected)));
            }
        }
    }

    void everyOrderFragmentSorts()
    {
        writeDirectory(m_path, {{"30000", "Б", "Мира 1", "в"}, {"10000", "В", "Абрикосовая 2", "а"},
                                {"20000", "А", "Ленина 3", "б"}});
        TableStore store(m_path);
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAllOrderedBy(SortField::Tel), 0),
                 QStringList({"10000", "20000", "30000"}));
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAllOrderedBy(SortField::Adr), 2),
                 QStringList({"Абрикосовая 2", "Ленина 3", "Мира 1"}));
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAllOrderedBy(SortField::Fio), 1),
                 QStringList({"А", "Б", "В"}));
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAllOrderedBy(SortField::Kom), 3),
                 QStringList({"а", "б", "в"}));
        // The store's own order: as the rows were stored.
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAll(), 0), QStringList({"30000", "10000", "20000"}));
    }

    void likeFoldsCyrillicAndLatin_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("match");
        QTest::newRow("lower finds capital") << "%иванов%" << "Иванов И.И." << true;
        QTest::newRow("capital finds lower") << "%ИВАНОВ%" << "иванов" << true;
        QTest::newRow("Ё folds to ё") << "%ёлкин%" << "ЁЛКИН" << true;
        QTest::newRow("е is not ё") << "%елкин%" << "Ёлкин" << false;
        QTest::newRow("Latin") << "%abc%" << "xABCx" << true;
        QTest::newRow("Ukrainian letters") << "%ї%" << "Ї" << true;
        QTest::newRow("underscore is one character") << "a_c" << "aЖc" << true;
        QTest::newRow("underscore needs a character") << "a_c" << "ac" << false;
        QTest::newRow("two percent signs match empty") << "%%" << "" << true;
        QTest::newRow("one percent sign") << "%" << "что угодно" << true;
        QTest::newRow("empty pattern") << "" << "" << true;
        QTest::newRow("empty pattern, some text") << "" << "a" << false;
        QTest::newRow("backslash is plain") << "%\\%" << "a\\" << true;
        QTest::newRow("backslash escapes nothing") << "%\\_%" << "a\\b" << true;
        QTest::newRow("apostrophe") << "%'%" << "O'Brien" << true;
        QTest::newRow("double quote") << "%\"%" << "\"Ромашка\"" << true;
        QTest::newRow("pieces in order") << "%a%b%" << "xaxxbx" << true;
        QTest::newRow("pieces out of order") << "%a%b%" << "xbxa" << false;
        QTest::newRow("anchored start") << "Ленина%" << "Ленина 5" << true;
        QTest::newRow("anchored start fails") << "Ленина%" << "ул. Ленина 5" << false;
        QTest::newRow("anchored end") << "%5" << "Ленина 5" << true;
        QTest::newRow("anchored end fails") << "%5" << "Ленина 55 " << false;
        QTest::newRow("whole text") << "мира 5" << "Мира 5" << true;
        QTest::newRow("overlapping pieces") << "%aa%aa%" << "aaa" << false;
        QTest::newRow("overlapping pieces fit") << "%aa%aa%" << "aaaa" << true;
    }
    void likeFoldsCyrillicAndLatin()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, match);
        QCOMPARE(RussianText::like(pattern, text), match);

        // The same through the store's SQL.
        writeDirectory(m_path, {{"1", text, QString(), QString()}});
        TableStore store(m_path);
        QSqlQuery query(store.database());
        QVERIFY(query.prepare(QStringLiteral("select count(*) from prdata where fio like ?")));
        query.addBindValue(pattern);
        QVERIFY2(query.exec() && query.next(), qPrintable(query.lastError().text()));
        QCOMPARE(query.value(0).toInt(), match ? 1 : 0);
    }

    void likeWithEscapeClause()
    {
        writeDirectory(m_path, {{"1", "100%", "", ""}, {"2", "1000", "", ""}});
        TableStore store(m_path);
        QSqlQuery query(store.database());
        QVERIFY(query.exec(QStringLiteral("select tel from prdata where fio like '%0!%' escape '!'")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("1"));
        QVERIFY(!query.next());
    }

    void trickyValuesAreStoredExactly()
    {
        writeDirectory(m_path, {});
        TableStore store(m_path);
        const QStringList texts = trickyTexts();
        QList<Row> expected;
        for (const QString& t : texts) {
            const Row row{t.left(20), t, t, t};
            store.execute(DirectoryStatements::insert(row.tel, row.fio, row.adr, row.kom));
            expected.append(row);
        }
        QCOMPARE(readDirectory(m_path), expected);
        QCOMPARE(selectRows(store, DirectoryStatements::selectAll()), expected);
        // Nothing was stored as NULL, and the table is still there.
        QVERIFY(!describe(readDirectory(m_path)).contains(QStringLiteral("<NULL>")));
    }

    void trickyValuesAreSearchedAsTyped()
    {
        const QStringList texts = trickyTexts();
        QList<Row> rows;
        for (int i = 0; i < texts.size(); ++i)
            rows.append({QString::number(10000 + i), texts[i], texts[i], texts[i]});
        rows.append({"99999", "Посторонний", "Мира 1", ""});
        writeDirectory(m_path, rows);
        TableStore store(m_path);
        for (int i = 0; i < texts.size(); ++i) {
            const QString& t = texts[i];
            if (t.isEmpty())
                continue;
            // The whole text finds its row: "%" and "_" in it match themselves too.
            const QStringList found = selectColumn(store, DirectoryStatements::search(QString(), t, t), 0);
            QVERIFY2(found.contains(QString::number(10000 + i)), qPrintable(t.left(40)));
            QVERIFY2(!found.contains(QStringLiteral("99999")), qPrintable(t.left(40)));
            QCOMPARE(store.count(DirectoryStatements::search(QString(), t, t)), qint64(found.size()));
        }
        // A quote alone is an ordinary character now.
        QCOMPARE(int(selectColumn(store, DirectoryStatements::search(QString(), QStringLiteral("\""), QString()), 1).size()),
                 int(std::count_if(texts.begin(), texts.end(), [](const QString& t) { return t.contains('"'); })));
        QCOMPARE(int(selectColumn(store, DirectoryStatements::search(QString(), QStringLiteral("'"), QString()), 1).size()),
                 int(std::count_if(texts.begin(), texts.end(), [](const QString& t) { return t.contains('\''); })));
        // The table survived every text.
        QCOMPARE(readDirectory(m_path).size(), rows.size());
    }

    void searchConditions()
    {
        writeDirectory(m_path, {{"21455", "Иванов И.И.", "Ленина 25 кв 3", ""},
                                {"", "Без телефона", "Мира 1", ""},
                                {"23310", "Петрова А.С.", "Ленинградская 12", "врач"},
                                {"24488", "Аптека №1", "Ленина 40", "круглосуточно"},
                                {"22_17", "Иванова Т.П.", "Мира 12", ""}});
        TableStore store(m_path);
        const auto tels = [&](const QString& phone, const QString& name, const QString& street) {
            return selectColumn(store, DirectoryStatements::search(phone, name, street), 0);
        };
        // All empty: the phone condition alone, "%%", which matches an empty phone too.
        QCOMPARE(int(tels("", "", "").size()), 5);
        QCOMPARE(tels("", "", "").value(1), QString());
        QCOMPARE(tels("21", "", ""), QStringList({"21455"}));
        QCOMPARE(tels("", "иванов", ""), QStringList({"21455", "22_17"}));
        QCOMPARE(tels("", "", "Ленин"), QStringList({"21455", "23310", "24488"}));
        QCOMPARE(tels("2", "иванов", "мира"), QStringList({"22_17"}));
        // "%" and "_" are wildcards.
        QCOMPARE(tels("3_1", "", ""), QStringList({"23310"}));
        QCOMPARE(tels("2_4", "", ""), QStringList({"21455", "24488"}));
        QCOMPARE(tels("", "в%в", ""), QStringList({"21455", "22_17"}));
        QCOMPARE(int(tels("_", "", "").size()), 4);
        // The statement texts: conditions as the directory builds them, no order clause.
        const DirectoryStatement all = DirectoryStatements::search("", "", "");
        QCOMPARE(all.sql, QStringLiteral("select tel, fio, adr, kom, rowid from prdata where tel like '%' || ? || '%'"));
        QCOMPARE(all.values, QVariantList({QStringLiteral("")}));
        const DirectoryStatement three = DirectoryStatements::search("1", "2", "3");
        QCOMPARE(three.sql, QStringLiteral("select tel, fio, adr, kom, rowid from prdata where tel like '%' || ? || '%'"
                                           " and fio like '%' || ? || '%' and adr like '%' || ? || '%'"));
        QCOMPARE(three.countSql, QStringLiteral("select count(*) from prdata where tel like '%' || ? || '%'"
                                                " and fio like '%' || ? || '%' and adr like '%' || ? || '%'"));
        QCOMPARE(int(DirectoryStatements::search("", "", "3").sql.count(QStringLiteral("like"))), 2);
    }

    void updateAndDeleteActOnOneRowOnly()
    {
        const Row twin{"21455", "Иванов И.И.", "Ленина 25", ""};
        writeDirectory(m_path, {twin, twin, {"1", "Другой", "", ""}});
        TableStore store(m_path);
        QSqlQuery ids = store.select(DirectoryStatements::selectAll());
        QVERIFY(ids.next() && ids.next());
        const QVariant second = ids.value(kRowIdColumn);
        ids.finish();
        store.execute(DirectoryStatements::update("5", "Изменён", "Мира 1", "x", second));
        QCOMPARE(readDirectory(m_path), QList<Row>({twin, {"5", "Изменён", "Мира 1", "x"}, {"1", "Другой", "", ""}}));
        store.execute(DirectoryStatements::remove(second));
        QCOMPARE(readDirectory(m_path), QList<Row>({twin, {"1", "Другой", "", ""}}));
        // Without a row id nothing is matched.
        store.execute(DirectoryStatements::remove(QVariant()));
        store.execute(DirectoryStatements::update("", "", "", "", QVariant()));
        QCOMPARE(int(readDirectory(m_path).size()), 2);
    }

    void emptyValuesAreEmptyTextNotNull()
    {
        writeDirectory(m_path, {});
        TableStore store(m_path);
        store.execute(DirectoryStatements::insert(QString(), QString(), QString(), QString()));
        QCOMPARE(readDirectory(m_path), QList<Row>({{"", "", "", ""}}));
        QCOMPARE(sqlExec(m_path, QStringLiteral("select 1")), QString());
    }

    void folderNamesOfAnyKind()
    {
        // The application folder may be named in Russian, with blanks and with
        // the characters that mean something in a URI.
        const QString folder = m_dir->filePath(QStringLiteral("Диск 1 #2 %20 ?x=y"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/prdata.db");
        writeDirectory(file, {{"1", "Иванов", "", ""}});
        TableStore store(file);
        QCOMPARE(selectColumn(store, DirectoryStatements::selectAll(), 1), QStringList({"Иванов"}));
        store.execute(DirectoryStatements::insert("2", "Петров", "", ""));
        QCOMPARE(int(readDirectory(file).size()), 2);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"prdata.db"}));
    }

    void missingFileIsNotCreated()
    {
        const QString error = errorOf([&] { TableStore store(m_path); });
        QVERIFY2(error.contains(QStringLiteral("unable to open")), qPrintable(error));
        QVERIFY(!QFile::exists(m_path));
    }

    void damagedFileGivesTheStoresMessage()
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        const QByteArray before = fileBytes(m_path);
        const QString error = errorOf([&] {
            TableStore store(m_path);
            store.select(DirectoryStatements::selectAll());
        });
        QVERIFY2(error.contains(QStringLiteral("file is not a database")), qPrintable(error));
        QCOMPARE(fileBytes(m_path), before);
    }

    void missingTableGivesTheStoresMessage()
    {
        QCOMPARE(sqlExec(m_path, QStringLiteral("create table other(x)")), QString());
        TableStore store(m_path);
        const QString error = errorOf([&] { store.select(DirectoryStatements::selectAll()); });
        QVERIFY2(error.contains(QStringLiteral("no such table: prdata")), qPrintable(error));
        QVERIFY(errorOf([&] { store.execute(DirectoryStatements::insert("1", "", "", "")); })
                    .contains(QStringLiteral("no such table")));
    }

    void lockedFileRefusesTheWriteAndKeepsTheRows()
    {
        const QList<Row> rows = {{"21455", "Иванов И.И.", "Ленина 25", ""}};
        writeDirectory(m_path, rows);
        TableStore store(m_path);
        store.setBusyTimeout(100);
        sqlite3* other = nullptr;
        QVERIFY(sqlite3_open(m_path.toUtf8().constData(), &other) == SQLITE_OK);
        QVERIFY(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr) == SQLITE_OK);
        const QString error = errorOf([&] { store.execute(DirectoryStatements::insert("1", "2", "3", "4")); });
        QVERIFY(sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr) == SQLITE_OK);
        sqlite3_close(other);
        QVERIFY2(error.contains(QStringLiteral("locked")), qPrintable(error));
        QCOMPARE(readDirectory(m_path), rows);
        // The store works again once the lock is gone.
        store.execute(DirectoryStatements::insert("1", "2", "3", "4"));
        QCOMPARE(int(readDirectory(m_path).size()), 2);
    }

    void fullDiscRefusesTheWriteAndKeepsTheRows()
    {
        QList<Row> rows;
        for (int i = 0; i < 50; ++i)
            rows.append({QString::number(20000 + i), QStringLiteral("Абонент %1").arg(i), "Мира 1", ""});
        writeDirectory(m_path, rows);
        TableStore store(m_path);
        // The store may not grow past its present size: a full disc.
        QSqlQuery pages(store.database());
        QVERIFY(pages.exec(QStringLiteral("pragma page_count")) && pages.next());
        const int count = pages.value(0).toInt();
        pages.finish();
        QSqlQuery limit(store.database());
        QVERIFY(limit.exec(QStringLiteral("pragma max_page_count = %1").arg(count)));
        limit.finish();
        const QString big(200000, QChar(u'ж'));
        const QString error = errorOf([&] { store.execute(DirectoryStatements::insert("1", big, big, big)); });
        QVERIFY2(error.contains(QStringLiteral("full")), qPrintable(error));
        QCOMPARE(readDirectory(m_path), rows);
        QCOMPARE(selectRows(store, DirectoryStatements::selectAll()), rows);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestTableStore)
#include "tst_table_store.moc"
