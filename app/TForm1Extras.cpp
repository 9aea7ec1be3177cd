#include "app/TForm1.h"

#include "app/FormLayout.h"
#include "app/NavigatorWindows.h"

#include <QLabel>

using namespace FormLayout;

// The presentation extras of the main window: the About window and the banners.

void TForm1::SpeedButton7Click()
{
    if (m_windows && m_windows->aboutBox)
        m_windows->aboutBox->exec();
    RepaintViewport();
}

void TForm1::createBanners()
{
    const struct {
        const char* name;
        QRect designed;
        const char* picture;
    } banners[] = {
        {"Image3", QRect(568, 1, 468, 49), ":/pictures/banner1.bmp"},
        {"Image4", QRect(584, -7, 468, 49), ":/pictures/banner2.bmp"},
        {"Image5", QRect(632, 0, 468, 49), ":/pictures/banner3.bmp"},
    };
    for (const auto& b : banners) {
        auto* banner = place(new QLabel(this), QString::fromLatin1(b.name), b.designed);
        banner->setPixmap(QPixmap(QString::fromLatin1(b.picture)));
        banner->setScaledContents(true);
        banner->setCursor(Qt::PointingHandCursor);
        banner->hide();
    }
}
