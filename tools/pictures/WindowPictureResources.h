#pragma once

// The resource paths of the window pictures (library talv_pictures).
namespace WindowPictureResources {

extern const char kSplash[];   // 401 x 270, 24-bit bitmap
extern const char kAbout[];    // 354 x 301, 24-bit bitmap; the About window shows the top 354 x 281
extern const char kSponsor[];  // 702 x 439, JPEG
extern const char kBanner1[];  // 468 x 50, 24-bit bitmap
extern const char kBanner2[];  // 467 x 50, 24-bit bitmap
extern const char kBanner3[];  // 467 x 50, 24-bit bitmap

} // namespace WindowPictureResources
