#include "app/BannerRotation.h"

#include <QWidget>

namespace BannerRotation {

int tick(const Banners& banners, int bannerIndex)
{
    for (QWidget* banner : banners)
        banner->hide();
    if (bannerIndex >= 1 && bannerIndex <= BannerCount) {
        QWidget* shown = banners[std::size_t(bannerIndex - 1)];
        shown->setGeometry(kShownLeft, shown->y(), kShownWidth, kShownHeight);
        shown->show();
    }
    return bannerIndex >= BannerCount ? 1 : bannerIndex + 1;
}

} // namespace BannerRotation
