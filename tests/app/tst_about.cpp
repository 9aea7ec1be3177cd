#include "app/DesktopShell.h"
#include "app/MakerContacts.h"
#include "app/NavigatorWindows.h"
#include "map/MapControl.h"
#include "map/MapView.h"

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

const QColor kGreen(0, 255, 0);
const QColor kBlack(0, 0, 0);

QColor textColour(const QWidget* label)
{
    return label->palette().color(QPalette::WindowText);
}

QUrl webAddress()
{
    return QUrl(QString::fromUtf8(MakerContacts::kWebAddress));
}

QUrl mailLink()
{
    return QUrl(QStringLiteral("mailto:") + QString::fromUtf8(MakerContacts::kEmailAddress));
}

// Saves a picture of a window when TALV_SCREENSHOT_DIR names a folder.
void saveScreenshot(QWidget& window, const QString& name)
{
    const QString dir = qEnvironmentVariable("TALV_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window.grab().save(dir + QLatin1Char('/') + name);
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_about = std::make_unique<TAboutBox>();
        m_about->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    }
    void cleanup() { m_about.reset(); }

    void windowAsDesigned()
    {
        QCOMPARE(m_about->windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(m_about->size(), QSize(383, 410));
        QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
        auto* picture = m_about->findChild<QLabel*>("ProgramIcon");
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(8, 8, 354, 281));
        QCOMPARE(picture->pixmap().size(), QSize(354, 301));
        QVERIFY(!picture->hasScaledContents());
        QCOMPARE(m_about->findChild<QLabel*>("Label3")->text(), QStringLiteral("v 1.5"));
        auto* ok = m_about->findChild<QPushButton*>("OKButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        saveScreenshot(*m_about, QStringLiteral("about.png"));
    }

    void linkColourFollowsTheMouse_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("other");
        QTest::newRow("web address") << "Label1" << "Label2";
        QTest::newRow("e-mail") << "Label2" << "Label1";
    }
    void linkColourFollowsTheMouse()
    {
        QFETCH(QString, link);
        QFETCH(QString, other);
        auto* label = m_about->findChild<QLabel*>(link);
        auto* otherLabel = m_about->findChild<QLabel*>(other);
        auto* ok = m_about->findChild<QPushButton*>("OKButton");
        QVERIFY(label && otherLabel && ok);
        // The mouse starts away from both links.
        QTest::mouseMove(ok, ok->rect().center());
        QCOMPARE(textColour(label), kBlack);
        QCOMPARE(textColour(otherLabel), kBlack);

        QTest::mouseMove(label, label->rect().center());
        QTRY_COMPARE(textColour(label), kGreen);
        QCOMPARE(textColour(otherLabel), kBlack);

        // Leaving for a place that is no link turns it black again.
        QTest::mouseMove(ok, ok->rect().center());
        QTRY_COMPARE(textColour(label), kBlack);

        // Going from one link straight to the other: each label keeps its own colour.
        QTest::mouseMove(label, label->rect().center());
        QTRY_COMPARE(textColour(label), kGreen);
        QTest::mouseMove(otherLabel, otherLabel->rect().center());
        QTRY_COMPARE(textColour(otherLabel), kGreen);
        QCOMPARE(textColour(label), kBlack);
    }

    void linkOpensItsAddress_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("shownAddress");
        QTest::addColumn<QUrl>("opened");
        QTest::newRow("web address") << "Label1" << QString::fromUtf8(MakerContacts::kWebAddress) << webAddress();
        QTest::newRow("e-mail") << "Label2" << QString::fromUtf8(MakerContacts::kEmailAddress) << mailLink();
    }
    void linkOpensItsAddress()
    {
        QFETCH(QString, link);
        QFETCH(QString, shownAddress);
        QFETCH(QUrl, opened);
        QList<QUrl> urls;
        DesktopShell::Replacement shell([&](const QUrl& url) { urls << url; }, nullptr);
        auto* label = m_about->findChild<QLabel*>(link);
        QVERIFY(label->text().endsWith(shownAddress));

        // A press that is released elsewhere is no click.
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, label->rect().bottomRight() + QPoint(10, 10));
        QVERIFY(urls.isEmpty());

        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(urls, QList<QUrl>{opened});
        QVERIFY(m_about->isVisible());
    }

    // "Справка" shows the About window modally; once "OK" has closed it, the
    // full-scale view is presented again, while the whole-map view needs nothing.
    void okClosesAndTheViewComesBack_data()
    {
        QTest::addColumn<bool>("detailMode");
        QTest::newRow("full-scale view") << true;
        QTest::newRow("whole map") << false;
    }
    void okClosesAndTheViewComesBack()
    {
        QFETCH(bool, detailMode);
        m_about.reset();
        NavigatorWindows windows;
        windows.form1 = std::make_unique<TForm1>();
        windows.aboutBox = std::make_unique<TAboutBox>();
        TForm1& main = *windows.form1;
        main.attachWindows(windows);
        main.mapView().setMap(MapBitmap(2000, 1600, MapBitmap::townPalette(), 3));
        main.mapView().ShowWholeMap();
        if (detailMode)
            main.findChild<QToolButton*>("SpeedButton4")->click();
        // The view moves while nothing presents it; only the repaint after
        // the About window can bring it up.
        const QPoint presentedBefore = main.mapControl().presentedOrigin();
        const QPoint moved(700, 900);
        main.mapView().setViewOrigin(moved);

        bool sawAbout = false;
        QPoint presentedWhileOpen;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
            sawAbout = about == windows.aboutBox.get();
            presentedWhileOpen = main.mapControl().presentedOrigin();
            if (about)
                QTest::mouseClick(about->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        QSignalSpy accepted(windows.aboutBox.get(), &QDialog::accepted);
        main.findChild<QToolButton*>("SpeedButton7")->click();

        QVERIFY(sawAbout);
        QCOMPARE(accepted.size(), 1);
        QVERIFY(!windows.aboutBox->isVisible());
        QCOMPARE(presentedWhileOpen, presentedBefore);
        QCOMPARE(main.mapControl().showsPiece(), detailMode);
        QCOMPARE(main.mapControl().presentedOrigin(), detailMode ? moved : presentedBefore);
    }

private:
    std::unique_ptr<TAboutBox> m_about;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
