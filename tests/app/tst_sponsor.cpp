#include "ModalWatcher.h"

#include "app/DesktopShell.h"
#include "app/NavigatorWindows.h"
#include "map/JpegDecoder.h"

#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Saves a picture of a window when TALV_SCREENSHOT_DIR names a folder.
void saveScreenshot(QWidget& window, const QString& name)
{
    const QString dir = qEnvironmentVariable("TALV_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window.grab().save(dir + QLatin1Char('/') + name);
}

int colourDistance(QRgb a, QRgb b)
{
    return qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

enum class Autorun { Present, NotExecutable, Absent };

// A stand-in for the start menu: a script that leaves a mark in the folder it
// was started from.
void placeAutorun(const QString& dir, Autorun kind)
{
    if (kind == Autorun::Absent)
        return;
    QFile script(QDir(dir).filePath(QStringLiteral("autorun")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\npwd > started\n");
    script.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (kind == Autorun::Present)
        permissions |= QFile::ExeOwner;
    QVERIFY(script.setPermissions(permissions));
}

} // namespace

Q_DECLARE_METATYPE(Autorun)

class TestSponsor : public QObject {
    Q_OBJECT
private slots:
    void init() { m_previousDir = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(m_previousDir); }

    void pictureIsStretchedOverTheMaximizedWindow()
    {
        TForm6 form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Спонсор выпуска Ормалин."));
        QCOMPARE(form.picture().size(), QSize(702, 439));
        QCOMPARE(form.picture(), decodeJpegFile(QStringLiteral(":/pictures/sponsor.jpg")));

        QImage shown;
        QRect imageRect;
        bool maximized = false;
        ModalWatcher watcher;
        watcher.onModal = [&](QWidget* modal) {
            maximized = modal->windowState() & Qt::WindowMaximized;
            // On a busy machine the window may be polled before the window
            // system has given it the maximized size.
            const QSize available = modal->screen()->availableGeometry().size();
            const bool sized = QTest::qWaitFor([&] { return modal->width() >= available.width() * 9 / 10; }, 5000);
            Q_UNUSED(sized) // the size is checked below, with the picture
            imageRect = modal->findChild<QLabel*>("Image1")->geometry();
            shown = modal->grab().toImage().convertToFormat(QImage::Format_RGB32);
            saveScreenshot(*modal, QStringLiteral("sponsor.png"));
        };
        form.showModalMaximized();
        QCOMPARE(watcher.seen.size(), 1);
        QVERIFY(maximized);
        QCOMPARE(imageRect, QRect(QPoint(0, 0), shown.size()));
        QVERIFY2(shown.size() != form.picture().size(), "the window should be larger than its picture");

        // Every part of the picture lands on the matching part of the window.
        const QImage& picture = form.picture();
        for (const QPointF at : {QPointF(0.02, 0.02), QPointF(0.98, 0.02), QPointF(0.5, 0.5), QPointF(0.02, 0.98),
                                 QPointF(0.98, 0.98), QPointF(0.3, 0.7)}) {
            const QRgb want = picture.pixel(int(at.x() * picture.width()), int(at.y() * picture.height()));
            const QRgb got = shown.pixel(int(at.x() * shown.width()), int(at.y() * shown.height()));
            QVERIFY2(colourDistance(want, got) <= 40,
                     qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));
        }
    }

    // Closing the main window shows the sponsor window; closing that starts
    // "autorun" of the current directory, whose start is never examined, and
    // the run ends without a message.
    void closingStartsAutorunAndTheRunEnds_data()
    {
        QTest::addColumn<Autorun>("autorun");
        QTest::newRow("autorun present") << Autorun::Present;
        QTest::newRow("autorun not executable") << Autorun::NotExecutable;
        QTest::newRow("autorun absent") << Autorun::Absent;
    }
    void closingStartsAutorunAndTheRunEnds()
    {
        QFETCH(Autorun, autorun);
        QTemporaryDir dir;
        placeAutorun(dir.path(), autorun);
        QDir::setCurrent(dir.path());

        NavigatorWindows windows;
        windows.form1 = std::make_unique<TForm1>();
        windows.form6 = std::make_unique<TForm6>();
        windows.form1->attachWindows(windows);
        windows.form1->show();
        QSignalSpy closed(windows.form1.get(), &TForm1::closed);

        ModalWatcher watcher;
        windows.form1->close();
        QCOMPARE(closed.size(), 1);
        QVERIFY(!windows.form1->isVisible());

        const QString mark = dir.filePath(QStringLiteral("started"));
        if (autorun == Autorun::Present) {
            QTRY_VERIFY(QFile::exists(mark));
            QFile file(mark);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromLocal8Bit(file.readAll()).trimmed(), QDir(dir.path()).canonicalPath());
        } else {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(mark));
        }
        // The sponsor window was the only window to come up.
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(watcher.seen[0].className, QStringLiteral("TForm6"));
    }

    void everyWayOfClosingStartsAutorunOnce_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("close button") << 0;
        QTest::newRow("Esc") << 1;
    }
    void everyWayOfClosingStartsAutorunOnce()
    {
        QFETCH(int, way);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        QStringList started;
        DesktopShell::Replacement shell(nullptr, [&](const QString& path) { started << path; });
        TForm6 form;
        QTimer::singleShot(0, [&] {
            if (way == 0)
                form.close();
            else
                QTest::keyClick(&form, Qt::Key_Escape);
        });
        form.showModalMaximized();
        QVERIFY(!form.isVisible());
        QCOMPARE(started, QStringList{QDir(dir.path()).filePath(QStringLiteral("autorun"))});
    }

private:
    QString m_previousDir;
};

QTEST_MAIN(TestSponsor)
#include "tst_sponsor.moc"
