#include "MapFixture.h"

#include "map/PageLayout.h"
#include "map/PagePicture.h"
#include "map/PrintPage.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(const PageLayout*)

namespace {

QString describe(QRgb colour)
{
    return QStringLiteral("%1").arg(colour & 0xffffff, 6, 16, QLatin1Char('0'));
}

} // namespace

// The page as it reaches a printer: painted into a PDF file through the same
// function the preview and the printer use, then read back. The image the file
// holds must be the page picture pixel for pixel, at 96 pixels per inch, and
// the page rendered at 96 pixels per inch must show it from the corner.
class TestPrintPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        for (const char* tool : {"pdfinfo", "pdfimages", "pdftocairo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils (pdfinfo, pdfimages, pdftocairo) are needed to read the PDF back");
        }
        QVERIFY(m_dir.isValid());
        m_map = patternedTownSizedMap();
    }

    void pageCarriesThePictureAtItsCorner_data()
    {
        QTest::addColumn<const PageLayout*>("layout");
        QTest::addColumn<bool>("detailMode");
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QSize>("rendered");
        // A4 in whole points is 595 x 842: 793.3 x 1122.7 pixels at 96 per inch.
        const QString portrait = QStringLiteral("595 x 842 pts (A4)");
        const QString landscape = QStringLiteral("842 x 595 pts (A4)");
        QTest::newRow("portrait detail") << &PageLayout::portrait() << true << portrait << QSize(794, 1123);
        QTest::newRow("landscape detail") << &PageLayout::landscape() << true << landscape << QSize(1123, 794);
        QTest::newRow("portrait whole map") << &PageLayout::portrait() << false << portrait << QSize(794, 1123);
        QTest::newRow("landscape whole map") << &PageLayout::landscape() << false << landscape << QSize(1123, 794);
    }

    void pageCarriesThePictureAtItsCorner()
    {
        QFETCH(const PageLayout*, layout);
        QFETCH(bool, detailMode);
        QFETCH(QString, pageSize);
        QFETCH(QSize, rendered);

        PagePicture page(layout->picturePixels);
        drawMapOntoPage(m_map, detailMode, QPoint(1500, 1500), page);
        const QImage picture = page.toImage();
        if (detailMode) {
            const QPoint last(picture.width() - 1, picture.height() - 1);
            QCOMPARE(picture.pixel(0, 0), m_map.colorAt(1500, 1500));
            QCOMPARE(picture.pixel(last), m_map.colorAt(1500 + last.x(), 1500 + last.y()));
        }

        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        const QString pdf = m_dir.filePath(name + QStringLiteral(".pdf"));
        QPrinter printer(QPrinter::HighResolution);
        setUpPrinter(printer, *layout);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        paintPage(printer, *layout, picture);

        const QString info = run("pdfinfo", {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages: +1$"), QRegularExpression::MultilineOption)),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Page size: +") + QRegularExpression::escape(pageSize),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));

        // One image, 96 pixels to the inch, stored without loss.
        const QStringList images = run("pdfimages", {QStringLiteral("-list"), pdf}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 3);
        const QStringList columns = images.last().split(' ', Qt::SkipEmptyParts);
        QCOMPARE(columns.mid(3, 2), QStringList({QString::number(picture.width()), QString::number(picture.height())}));
        QCOMPARE(columns.mid(12, 2), QStringList({QStringLiteral("96"), QStringLiteral("96")}));
        run("pdfimages", {QStringLiteral("-png"), pdf, m_dir.filePath(name)});
        const QImage stored = QImage(m_dir.filePath(name + QStringLiteral("-000.png"))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(stored, picture);

        // Rendered, the page shows each picture pixel in its place from the
        // corner, and white paper beyond the picture.
        // Cairo draws an image at one pixel per pixel without resampling it.
        run("pdftocairo", {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                           QStringLiteral("-antialias"), QStringLiteral("none"), pdf, m_dir.filePath(name)});
        const QImage back = QImage(m_dir.filePath(name + QStringLiteral(".png"))).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(back.size(), rendered);
        for (int y = 0; y < back.height(); ++y) {
            for (int x = 0; x < back.width(); ++x) {
                const bool onPicture = x < picture.width() && y < picture.height();
                const QRgb expected = onPicture ? picture.pixel(x, y) : qRgb(255, 255, 255);
                if (back.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("page pixel (%1, %2) is %3, expected %4")
                                         .arg(x).arg(y).arg(describe(back.pixel(x, y)), describe(expected))));
            }
        }
    }

private:
    static QString run(const char* tool, const QStringList& arguments)
    {
        QProcess process;
        process.start(QString::fromLatin1(tool), arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            qWarning() << tool << "failed:" << process.readAllStandardError();
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    QTemporaryDir m_dir;
    MapBitmap m_map;
};

QTEST_MAIN(TestPrintPdf)
#include "tst_print_pdf.moc"
