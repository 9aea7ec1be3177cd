#include "app/TForm1.h"

#include "app/BannerRotation.h"
#include "app/ClickableLabel.h"
#include "app/DesktopShell.h"
#include "app/FormLayout.h"
#include "app/MakerLinks.h"
#include "app/NavigatorWindows.h"
#include "base/HandlerBoundary.h"
#include "tools/pictures/WindowPictureResources.h"

using namespace FormLayout;

// The presentation extras of the main window: the About window and the banners.

void TForm1::SpeedButton7Click()
{
    if (m_windows && m_windows->aboutBox)
        m_windows->aboutBox->exec();
    // The About window covered the map area.
    RepaintViewport();
}

void TForm1::createBanners()
{
    const struct {
        const char* name;
        QRect designed;
        const char* picture;
        void (TForm1::*click)();
    } banners[] = {
        {"Image3", QRect(568, 1, 468, 49), WindowPictureResources::kBanner1, &TForm1::Image3Click},
        {"Image4", QRect(584, -7, 468, 49), WindowPictureResources::kBanner2, &TForm1::Image4Click},
        {"Image5", QRect(632, 0, 468, 49), WindowPictureResources::kBanner3, &TForm1::Image5Click},
    };
    QLabel** controls[] = {&m_image3, &m_image4, &m_image5};
    for (std::size_t i = 0; i < std::size(banners); ++i) {
        const auto& b = banners[i];
        auto* banner = place(new ClickableLabel(this), QString::fromLatin1(b.name), b.designed);
        banner->setPixmap(QPixmap(QString::fromLatin1(b.picture)));
        banner->setScaledContents(true);
        banner->hide();
        connect(banner, &ClickableLabel::clicked, this, handler(this, b.click));
        *controls[i] = banner;
    }
    connect(&m_timer1, &QTimer::timeout, this, handler(this, &TForm1::Timer1Timer));
}

void TForm1::Timer1Timer()
{
    m_bannerIndex = BannerRotation::tick({m_image3, m_image4, m_image5}, m_bannerIndex);
}

void TForm1::Image3Click()
{
    DesktopShell::openUrl(MakerLinks::webAddress());
}

void TForm1::Image4Click()
{
    DesktopShell::openUrl(MakerLinks::webAddress());
}

void TForm1::Image5Click()
{
    DesktopShell::openUrl(MakerLinks::mailAddress());
}
