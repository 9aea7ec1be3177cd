#include "tools/reference/CityCodesConversion.h"
#include "tools/reference/PostalTreeConversion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The converters from the public sources to the committed data files, on
// small source files that show each rule of grouping, naming and ordering.
class TestReferenceConversion : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void write(const QString& name, const QString& text)
    {
        QDir().mkpath(QFileInfo(m_dir.filePath(name)).path());
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    QString read(const QString& name)
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void cityCodes()
    {
        write(QStringLiteral("codes/libphonenumber-geocoding-ru-7.txt"), QStringLiteral(
            "# Licensed under the Apache License\n\n"
            "7482|Тверская обл.\n"
            "7495|Московская обл.\n"
            "7496|г. Москва\n"
            "740|Калининградская обл\n"
            "736|Республика Крым\n"
            "7346|Ханты - Мансийский - Югра АО\n"
            "7349|Ямало-Ненецкий АО\n"
            "7867|Республика Северная Осетия - Алания\n"
            "7843|Республика Татарстан\n"
            "7341|Республика Удмуртская\n"
            "7866|Республика Кабардино-Балкарская\n"
            "7818|Архангельская обл.\n"
            "7857|Луга\u0301нская Наро\u0301дная Респу\u0301блика\n"
            "7701|Алматы\n"
            "733|Байконыр\n"));
        const QString head = QStringLiteral("region\tcity\tcode\tfixed_prefix\tlocal_mask\toperator\tdesc\tmask\n");
        write(QStringLiteral("codes/ru-city-codes.tsv"), head + QStringLiteral(
            "Тверская область\t\t482\t482\t###-##-##\t\t\tm\n"
            "Тверская область\tТверь\t4822\t4822\t##-##-##\t\t\tm\n"
            "Тверская область\tБежецк\t48231\t48231\t#-##-##\t\t\tm\n"
            "Тверская область\tБежецк\t48231\t48231\t#-##-##\t\t\tm\n"
            "Москва и ближнее Подмосковье\tМосква\t495\t495500\t500-##-##\tМегафон\t\tm\n"
            "Московская область\tДмитров\t49622\t49622\t#-##-##\t\t\tm\n"
            "Московская область\tЗАО Калита-Телеком\t496\t496\t###-##-##\t\t\tm\n"
            "Москва и ближнее Подмосковье\tМеждународный аэропорт «Шереметьево»\t495\t495578\t578-##-##\t\t\tm\n"
            "Калининградская область\t\t401\t401\t###-##-##\t\t\tm\n"
            "Калининградская область\tКалининград\t4012\t4012\t##-##-##\t\t\tm\n"
            "Абхазия\tСухум\t840\t840\t###-##-##\t\t\tm\n"
            "Архангельская область; Ненецкий автономный округ\tНарьян-Мар\t81853\t81853\t#-##-##\t\t\tm\n"
            "Архангельская область; Ненецкий автономный округ\tНоводвинск\t81852\t81852\t#-##-##\t\t\tm\n"));
        convertCityCodes(m_dir.filePath(QStringLiteral("codes")), m_dir.filePath(QStringLiteral("gorod.tsv")));
        QCOMPARE(read(QStringLiteral("gorod.tsv")).split(QLatin1Char('\n')), QStringList({
            "Name\tKod\tId",
            "Архангельская область\t818\t1",
            "Новодвинск\t81852\t0",
            "Запорожская область\t\t1",           // a subject no source names has its heading alone
            "Кабардино-Балкарская Респ.\t866\t1", // in the official word order, shortened for the column
            "Калининградская область\t401\t1",   // the two-digit prefix 40 gets the code of its own line
            "Калининград\t4012\t0",
            "Луганская Народная Республика\t857\t1",
            "Москва\t495\t1",                    // 495 is the city's code, not the oblast's
            "Аэропорт «Шереметьево»\t495\t0",
            "Москва\t495\t0",
            "Московская область\t496\t1",
            "Дмитров\t49622\t0",
            "Ненецкий автономный округ\t\t1",     // 81853 is the Nenets area's part of the code 818
            "Нарьян-Мар\t81853\t0",
            "Республика Крым\t\t1",
            "Респ. Северная Осетия - Алания\t867\t1", // shortened names stand where their full names sort
            "Респ. Татарстан (Татарстан)\t843\t1",
            "Тверская область\t482\t1",
            "Бежецк\t48231\t0",
            "Тверь\t4822\t0",
            "Удмуртская Республика\t341\t1",
            "Ханты-Мансийский АО - Югра\t346\t1",
            "Ямало-Ненецкий АО\t349\t1",
            "",
        }));
    }

    // A region name too long for the column, with no stated shortening, stops
    // the conversion before anything is written over the table.
    void regionNameTooLongIsRefused()
    {
        write(QStringLiteral("long/libphonenumber-geocoding-ru-7.txt"), QStringLiteral(
            "7482|Тверская обл.\n"
            "7999|Республика Очень Длинного Пробного Названия\n"));
        write(QStringLiteral("long/ru-city-codes.tsv"), QStringLiteral(
            "region\tcity\tcode\tfixed_prefix\tlocal_mask\toperator\tdesc\tmask\n"
            "Тверская область\tТверь\t4822\t4822\t##-##-##\t\t\tm\n"));
        const QString output = m_dir.filePath(QStringLiteral("long/gorod.tsv"));
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, convertCityCodes(m_dir.filePath(QStringLiteral("long")), output));
        QVERIFY(!QFile::exists(output));
    }

    void postalTree()
    {
        const QString head = QStringLiteral("INDEX\tOPSNAME\tOPSTYPE\tOPSSUBM\tREGION\tAUTONOM\tAREA\tCITY\tCITY_1\tACTDATE\tINDEXOLD\n");
        write(QStringLiteral("pindx.tsv"), head + QStringLiteral(
            "101000\tМосква\tО\t0\tМосква\t\t\t\t\t20110121\t\n"
            "101300\tМосква-300\tТИ\t0\tМосква\t\t\t\t\t20110121\t\n"
            "101001\tМосква 1\tО\t0\tМосква\t\t\t\t\t20110121\t\n"
            "124365\tЗеленоград\tО\t0\tМосква\t\t\tЗеленоград\t\t20110121\t\n"
            "109440\tМосква 440\tО\t0\tМосква\t\tВнуково район\t63\t\t20110121\t\n"
            "171981\tБежецк 1\tО\t0\tТверская область\t\tБежецкий район\tБежецк\t\t20110121\t\n"
            "171980\tБежецк\tП\t0\tТверская область\t\tБежецкий район\tБежецк\t\t20110121\t\n"
            "171983\tЁлкино\tО\t0\tТверская область\t\tБежецкий район\tЁлкино\t\t20110121\t\n"
            "171985\tЖуково\tО\t0\tТверская область\t\tБежецкий район\tЖуково\t\t20110121\t\n"
            "171984\tЕлец\tО\t0\tТверская область\t\tБежецкий район\tЕлец\t\t20110121\t\n"
            "170000\tТверь\tП\t0\tТверская область\t\t\tТверь\t\t20110121\t\n"
            "170001\tТверь 1\tДТИ\t0\tТверская область\t\t\tТверская Слобода\t\t20110121\t\n"
            "140100\tРаменское\tО\t0\tМосковская область\t\t\tРаменское\t\t20110121\t\n"
            "140102\tНовое\tО\t0\tМосковская область\t\t\tРаменское\tНовое\t20110121\t\n"
            "628000\tХанты-Мансийск\tО\t0\t\tХанты-Мансийский-Югра автономный округ\t\tХанты-Мансийск\t\t20110121\t\n"
            "457001\tУвельский 1\tО\t0\tЧелябинская область\t\tУвельский район\t\t\t20110121\t\n"));
        convertPostalTree(m_dir.filePath(QStringLiteral("pindx.tsv")), m_dir.filePath(QStringLiteral("postal-tree.txt")));
        QCOMPARE(read(QStringLiteral("postal-tree.txt")).split(QLatin1Char('\n')), QStringList({
            "МОСКВА - 101000",                   // a federal city carries its lowest index
            "\tЗЕЛЕНОГРАД - 124365",             // no group for a bare number in place of a locality
            "МОСКОВСКАЯ ОБЛАСТЬ",
            "\tРАМЕНСКОЕ",                       // a town's area holds the town itself
            "\t\tНОВОЕ - 140102",
            "\t\tРАМЕНСКОЕ - 140100",
            "ТВЕРСКАЯ ОБЛАСТЬ",
            "\tБЕЖЕЦКИЙ РАЙОН",
            "\t\tБЕЖЕЦК - 171980",               // one node per locality, its lowest index
            "\t\tЕЛЕЦ - 171984",
            "\t\tЁЛКИНО - 171983",               // Ё after Е, before Ж
            "\t\tЖУКОВО - 171985",
            "\tТВЕРЬ - 170000",
            "ХАНТЫ-МАНСИЙСКИЙ-ЮГРА АВТОНОМНЫЙ ОКРУГ",
            "\tХАНТЫ-МАНСИЙСК - 628000",
            "ЧЕЛЯБИНСКАЯ ОБЛАСТЬ",
            "\tУВЕЛЬСКИЙ РАЙОН",
            "\t\tУВЕЛЬСКИЙ 1 - 457001",          // the office's name where no locality is given
            "",
        }));
    }
};

QTEST_MAIN(TestReferenceConversion)
#include "tst_reference_conversion.moc"
