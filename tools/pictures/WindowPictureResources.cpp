#include "WindowPictureResources.h"

namespace WindowPictureResources {

const char kSplash[] = ":/pictures/splash.bmp";
const char kAbout[] = ":/pictures/about.bmp";
const char kSponsor[] = ":/pictures/sponsor.jpg";
const char kBanner1[] = ":/pictures/banner1.bmp";
const char kBanner2[] = ":/pictures/banner2.bmp";
const char kBanner3[] = ":/pictures/banner3.bmp";

} // namespace WindowPictureResources
