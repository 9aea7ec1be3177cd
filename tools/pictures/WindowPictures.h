#pragma once

#include <QImage>
#include <QPainter>

// The pictures of the program's windows, embedded as resources: the splash
// "photograph", the About picture, the sponsor's picture and the three banners.
QImage drawSplashPicture();   // 401 x 270
QImage drawAboutPicture();    // 354 x 301, only the top 281 rows are shown
QImage drawSponsorPicture();  // 702 x 439
QImage drawBannerPicture(int number); // 1: 468 x 50; 2 and 3: 467 x 50

// The sunflower that stands for the sponsoring farm on its picture and banners.
void drawSunflowerEmblem(QPainter& p, QPointF centre, qreal radius);

// The sponsoring farm's own details as its picture and banners show them.
namespace FarmContacts {
inline constexpr char16_t kShortName[] = u"к.ф.х. «Ормалин»";
inline constexpr char16_t kLongName[] = u"Крестьянское фермерское хозяйство «Ормалин»";
inline constexpr char16_t kBusiness[] = u"Производство крупы и растительного масла";
inline constexpr char16_t kProducts[] = u"масло подсолнечное, крупа гречневая, пшено, ячневая крупа";
inline constexpr char16_t kAddress[] = u"353870, Тальвинск, ул. Степная, 45";
inline constexpr char16_t kPhone[] = u"тел. (86137) 2-14-55, факс (86137) 2-14-56";
inline constexpr char16_t kWeb[] = u"www.ormalin.talvinsk.ru";
} // namespace FarmContacts
