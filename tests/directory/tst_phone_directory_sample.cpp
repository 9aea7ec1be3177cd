// The sample phone directory of the application folder and its generator
// (tools/appdata): about 3,000 plausible records of the town with a fixed
// seed, addresses on the town's streets in the add dialog's form, and large
// directories for the benchmark.
#include "DirectoryFixture.h"

#include "directory/StreetNameFromAddress.h"
#include "directory/TrimmedText.h"
#include "map/StreetCatalogue.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace DirectoryFixture;

namespace {

QString generate(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TALV_MAKE_PHONE_DIRECTORY), arguments);
    if (!process.waitForFinished(120000))
        return QStringLiteral("did not finish");
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString::fromLocal8Bit(process.readAllStandardError());
    return QString();
}

} // namespace

class TestPhoneDirectorySample : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_rows = readDirectory(QStringLiteral(TALV_APPDATA_DIR "/prdata.db"));
        m_streets = comboStreetNames();
        QCOMPARE(int(m_streets.size()), 82);
    }

    void aboutThreeThousandRecords() { QCOMPARE(int(m_rows.size()), 3000); }

    void fiveDigitPhonesOnce()
    {
        QSet<QString> seen;
        const QRegularExpression fiveDigits(QStringLiteral("^[2-6][0-9]{4}$"));
        for (const Row& r : m_rows) {
            QVERIFY2(fiveDigits.match(r.tel).hasMatch(), qPrintable(r.tel));
            QVERIFY2(!seen.contains(r.tel), qPrintable(r.tel));
            seen.insert(r.tel);
        }
    }

    void namesWithInitialsAndOrganisations()
    {
        const QRegularExpression person(QStringLiteral("^[А-ЯЁ][а-яё]+(-[А-ЯЁ][а-яё]+)? [А-ЯЁ]\\.[А-ЯЁ]\\.$"));
        int people = 0;
        int organisations = 0;
        QSet<QString> surnames;
        for (const Row& r : m_rows) {
            QVERIFY(!r.fio.isEmpty());
            QCOMPARE(trimmedText(r.fio), r.fio);
            if (person.match(r.fio).hasMatch()) {
                ++people;
                surnames.insert(r.fio.section(QLatin1Char(' '), 0, 0));
            } else {
                ++organisations;
            }
        }
        QVERIFY2(people > 2400 && organisations > 150, qPrintable(QStringLiteral("%1 %2").arg(people).arg(organisations)));
        QVERIFY(surnames.size() > 200);
        // Both forms of a surname, and the letter Ё.
        QVERIFY(surnames.contains(QStringLiteral("Иванов")) && surnames.contains(QStringLiteral("Иванова")));
        QVERIFY(std::any_of(surnames.begin(), surnames.end(), [](const QString& s) { return s.contains(u'ё') || s.contains(u'Ё'); }));
    }

    void addressesInTheAddDialogsForm()
    {
        const StreetCatalogue catalogue = StreetCatalogue::load();
        int found = 0;
        int flats = 0;
        for (const Row& r : m_rows) {
            // A street of the list, then optionally " house", then optionally " кв flat".
            bool matched = false;
            for (const QString& street : m_streets) {
                if (r.adr == street || r.adr.startsWith(street + QLatin1Char(' '))) {
                    const QString rest = r.adr.mid(street.size());
                    static const QRegularExpression form(QStringLiteral("^( [0-9]+[аб]?( кв [0-9]+)?)?$"));
                    matched = form.match(rest).hasMatch();
                    if (matched)
                        break;
                }
            }
            QVERIFY2(matched, qPrintable(r.adr));
            flats += r.adr.contains(QStringLiteral(" кв ")) ? 1 : 0;
            found += catalogue.find(StreetNameFromAddress(r.adr)) ? 1 : 0;
        }
        // Nearly every address finds its street on the map (not the few on
        // two-word streets outside the special ones).
        QVERIFY2(found > 2700, qPrintable(QString::number(found)));
        QVERIFY(flats > 1000 && flats < 2500);
    }

    void shortComments()
    {
        int withComment = 0;
        for (const Row& r : m_rows) {
            QVERIFY(r.kom.size() <= 40);
            withComment += r.kom.isEmpty() ? 0 : 1;
        }
        QVERIFY(withComment > 300 && withComment < 1500);
    }

    void sameSeedSameDirectory()
    {
        QTemporaryDir dir;
        const QString streets = QStringLiteral(TALV_SOURCE_DIR "/data/streets/combo-list.txt");
        const QString a = dir.filePath(QStringLiteral("a.db"));
        QCOMPARE(generate({QStringLiteral("--records"), QStringLiteral("3000"), QStringLiteral("--seed"),
                           QStringLiteral("1997"), streets, a}),
                 QString());
        QCOMPARE(readDirectory(a), m_rows);
        const QString b = dir.filePath(QStringLiteral("b.db"));
        QCOMPARE(generate({QStringLiteral("--seed"), QStringLiteral("7"), streets, b}), QString());
        QVERIFY(readDirectory(b) != m_rows);
        QCOMPARE(int(readDirectory(b).size()), 3000);
    }

    void largeDirectories()
    {
        QTemporaryDir dir;
        const QString streets = QStringLiteral(TALV_SOURCE_DIR "/data/streets/combo-list.txt");
        const QString large = dir.filePath(QStringLiteral("large.db"));
        QCOMPARE(generate({QStringLiteral("--records"), QStringLiteral("60000"), streets, large}), QString());
        const QList<Row> rows = readDirectory(large);
        QCOMPARE(int(rows.size()), 60000);
        // More records than five-digit numbers of the town: numbers repeat there.
        QVERIFY(!rows.contains(Row{}));
    }

    void badArguments()
    {
        QVERIFY(!generate({}).isEmpty());
        QVERIFY(!generate({QStringLiteral("--records"), QStringLiteral("x"), QStringLiteral("a"), QStringLiteral("b")}).isEmpty());
    }

private:
    QList<Row> m_rows;
    QStringList m_streets;
};

QTEST_GUILESS_MAIN(TestPhoneDirectorySample)
#include "tst_phone_directory_sample.moc"
