#include "reference/AlphabeticOrder.h"
#include "tools/reference/CityCodesConversion.h"
#include "tools/reference/TsvFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

// The shipped city codes table against the federal subjects of the Russian
// Federation, and against the public sources it is converted from: each city
// row's region is taken from the sources' own grouping, not from the leading
// digits of its code by which the converter places it.
namespace {

// The federal subjects in the official form of the Constitution's list
// (article 65), the four subjects of 2022 included.
const QStringList kFederalSubjects = {
    "Республика Адыгея (Адыгея)", "Республика Алтай", "Республика Башкортостан", "Республика Бурятия",
    "Республика Дагестан", "Донецкая Народная Республика", "Республика Ингушетия",
    "Кабардино-Балкарская Республика", "Республика Калмыкия", "Карачаево-Черкесская Республика",
    "Республика Карелия", "Республика Коми", "Республика Крым", "Луганская Народная Республика",
    "Республика Марий Эл", "Республика Мордовия", "Республика Саха (Якутия)",
    "Республика Северная Осетия - Алания", "Республика Татарстан (Татарстан)", "Республика Тыва",
    "Удмуртская Республика", "Республика Хакасия", "Чеченская Республика", "Чувашская Республика - Чувашия",
    "Алтайский край", "Забайкальский край", "Камчатский край", "Краснодарский край", "Красноярский край",
    "Пермский край", "Приморский край", "Ставропольский край", "Хабаровский край",
    "Амурская область", "Архангельская область", "Астраханская область", "Белгородская область",
    "Брянская область", "Владимирская область", "Волгоградская область", "Вологодская область",
    "Воронежская область", "Запорожская область", "Ивановская область", "Иркутская область",
    "Калининградская область", "Калужская область", "Кемеровская область - Кузбасс", "Кировская область",
    "Костромская область", "Курганская область", "Курская область", "Ленинградская область",
    "Липецкая область", "Магаданская область", "Московская область", "Мурманская область",
    "Нижегородская область", "Новгородская область", "Новосибирская область", "Омская область",
    "Оренбургская область", "Орловская область", "Пензенская область", "Псковская область",
    "Ростовская область", "Рязанская область", "Самарская область", "Саратовская область",
    "Сахалинская область", "Свердловская область", "Смоленская область", "Тамбовская область",
    "Тверская область", "Томская область", "Тульская область", "Тюменская область", "Ульяновская область",
    "Херсонская область", "Челябинская область", "Ярославская область",
    "Москва", "Санкт-Петербург", "Севастополь",
    "Еврейская автономная область",
    "Ненецкий автономный округ", "Ханты-Мансийский автономный округ - Югра", "Чукотский автономный округ",
    "Ямало-Ненецкий автономный округ",
};

// The city list's region names that are not a subject's official name. The
// Moscow dialling zones cover the city and its oblast alike; Abkhazia is no
// part of the directory's country.
const QHash<QString, QStringList> kCityListRegions = {
    {"Бурятия", {"Республика Бурятия"}},
    {"Кабардино-Балкария", {"Кабардино-Балкарская Республика"}},
    {"Калмыкия", {"Республика Калмыкия"}},
    {"Карелия", {"Республика Карелия"}},
    {"Кемеровская область", {"Кемеровская область - Кузбасс"}},
    {"Марий Эл", {"Республика Марий Эл"}},
    {"Мордовия", {"Республика Мордовия"}},
    {"Республика Адыгея", {"Республика Адыгея (Адыгея)"}},
    {"Республика Карачаево-Черкесия", {"Карачаево-Черкесская Республика"}},
    {"Северная Осетия", {"Республика Северная Осетия - Алания"}},
    {"Татарстан", {"Республика Татарстан (Татарстан)"}},
    {"Хакасия", {"Республика Хакасия"}},
    {"Ханты-Мансийский автономный округ", {"Ханты-Мансийский автономный округ - Югра"}},
    {"Чувашия", {"Чувашская Республика - Чувашия"}},
    {"Якутия", {"Республика Саха (Якутия)"}},
    {"Москва и ближнее Подмосковье", {"Москва", "Московская область"}},
    {"Лесопарковый защитный пояс Москвы", {"Москва", "Московская область"}},
    {"Абхазия", {}},
};

const QString kTable = QStringLiteral(TALV_REFERENCE_DATA_DIR "/gorod.tsv");
const QString kSources = QStringLiteral(TALV_DATA_SOURCES_DIR);

// The name a subject's heading row shows.
QString shownName(const QString& subject)
{
    return shortenedRegionNames().value(subject, subject);
}

// "Калмыкия Республика" and "Республика Калмыкия" name the same subject.
QStringList words(const QString& name)
{
    QStringList list = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    list.sort();
    return list;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestCityCodesData : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QSet<QString>(kFederalSubjects.cbegin(), kFederalSubjects.cend()).size(), 89); }

    // A name is shortened only where the column forces it, and only by the two
    // abbreviations a reader knows, so that it still names its subject.
    void shortenedNames()
    {
        const QMap<QString, QString>& shortened = shortenedRegionNames();
        QVERIFY(!shortened.isEmpty());
        for (auto it = shortened.cbegin(); it != shortened.cend(); ++it) {
            const QString& full = it.key();
            QVERIFY2(kFederalSubjects.contains(full), qPrintable(full));
            QVERIFY2(full.size() > 30, qPrintable(full));
            QVERIFY2(it->size() <= 30, qPrintable(*it));
            QString byRepublic = full;
            byRepublic.replace(QStringLiteral("Республика"), QStringLiteral("Респ."));
            QString byArea = full;
            byArea.replace(QStringLiteral("автономный округ"), QStringLiteral("АО"));
            QVERIFY2(*it == byRepublic || *it == byArea, qPrintable(*it));
        }
    }

    // One heading for every federal subject, named officially, in the
    // alphabetical order of the official names.
    void headingsAreTheFederalSubjects()
    {
        QHash<QString, QString> subjectShownAs;
        for (const QString& subject : kFederalSubjects) {
            QVERIFY2(shownName(subject).size() <= 30, qPrintable(subject));
            subjectShownAs.insert(shownName(subject), subject);
        }
        const TsvFile table(kTable);
        QStringList subjects;
        for (qsizetype row = 0; row < table.rowCount(); ++row) {
            if (table.value(row, QStringLiteral("Id")) != QStringLiteral("1"))
                continue;
            const QString heading = table.value(row, QStringLiteral("Name"));
            QVERIFY2(subjectShownAs.contains(heading), qPrintable(QStringLiteral("not a subject: ") + heading));
            QVERIFY2(!subjects.contains(subjectShownAs[heading]), qPrintable(QStringLiteral("twice: ") + heading));
            subjects.append(subjectShownAs[heading]);
        }
        for (const QString& subject : kFederalSubjects)
            QVERIFY2(subjects.contains(subject), qPrintable(QStringLiteral("no heading: ") + subject));
        for (qsizetype i = 1; i < subjects.size(); ++i)
            QVERIFY2(AlphabeticOrder::less(subjects[i - 1], subjects[i]), qPrintable(subjects[i]));
    }

    // Every city row stands under the heading of the region the city list
    // files its code under. Where that list files two subjects together, the
    // postal reference tells which of them the locality lies in.
    void cityRowsStandUnderTheirRegion()
    {
        const QString cityList = kSources + QStringLiteral("/ru-dialling-codes/ru-city-codes.tsv");
        const QString postal = kSources + QStringLiteral("/ru-postal-pindx/pindx.tsv");
        if (!QFile::exists(cityList) || !QFile::exists(postal))
            QSKIP("the public sources are not beside the repository");

        QHash<QString, QStringList> subjectsOfCode;
        const TsvFile cities(cityList);
        for (qsizetype row = 0; row < cities.rowCount(); ++row) {
            const QString region = cities.value(row, QStringLiteral("region"));
            QStringList& subjects = subjectsOfCode[cities.value(row, QStringLiteral("code"))];
            for (const QString& part : region.split(QStringLiteral("; "))) {
                QVERIFY2(kFederalSubjects.contains(part) || kCityListRegions.contains(part), qPrintable(part));
                subjects += kFederalSubjects.contains(part) ? QStringList{part} : kCityListRegions[part];
            }
        }
        QHash<QString, QSet<QStringList>> placesOfLocality;
        const TsvFile offices(postal);
        for (qsizetype row = 0; row < offices.rowCount(); ++row) {
            const QString area = offices.value(row, QStringLiteral("AUTONOM"));
            const QString subject = area.isEmpty() ? offices.value(row, QStringLiteral("REGION")) : area;
            placesOfLocality[offices.value(row, QStringLiteral("CITY")).toUpper()].insert(words(subject));
        }

        QHash<QString, QString> subjectShownAs;
        for (const QString& subject : kFederalSubjects)
            subjectShownAs.insert(shownName(subject), subject);
        const TsvFile table(kTable);
        QString heading;
        for (qsizetype row = 0; row < table.rowCount(); ++row) {
            const QString name = table.value(row, QStringLiteral("Name"));
            const QString code = table.value(row, QStringLiteral("Kod"));
            if (table.value(row, QStringLiteral("Id")) == QStringLiteral("1")) {
                heading = subjectShownAs.value(name, name);
                continue;
            }
            QStringList subjects = subjectsOfCode.value(code);
            if (subjects.size() > 1) {
                QStringList placed;
                for (const QString& subject : std::as_const(subjects)) {
                    if (placesOfLocality.value(name.toUpper()).contains(words(subject)))
                        placed.append(subject);
                }
                if (placed.size() == 1)
                    subjects = placed;
            }
            QVERIFY2(subjects.contains(heading), qPrintable(name + QLatin1Char(' ') + code + QStringLiteral(" under ") + heading));
        }
    }

    // The shipped table is what the conversion of the sources gives, and the
    // conversion gives the same bytes every time.
    void shippedTableIsTheConversionOfTheSources()
    {
        const QString sources = kSources + QStringLiteral("/ru-dialling-codes");
        if (!QDir(sources).exists())
            QSKIP("the public sources are not beside the repository");
        QTemporaryDir dir;
        const QByteArray shipped = bytesOf(kTable);
        QVERIFY(!shipped.isEmpty());
        for (const char* name : {"first.tsv", "second.tsv"}) {
            convertCityCodes(sources, dir.filePath(QLatin1String(name)));
            QCOMPARE(bytesOf(dir.filePath(QLatin1String(name))), shipped);
        }
    }
};

QTEST_MAIN(TestCityCodesData)
#include "tst_city_codes_data.moc"
