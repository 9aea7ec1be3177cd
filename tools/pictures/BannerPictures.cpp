#include "WindowPictures.h"

#include "PictureFonts.h"
#include "app/MakerContacts.h"
#include "base/AppError.h"

#include <QLinearGradient>

namespace {

void fillBanner(QPainter& p, const QRectF& area, const QColor& left, const QColor& right)
{
    QLinearGradient gradient(area.topLeft(), area.topRight());
    gradient.setColorAt(0, left);
    gradient.setColorAt(1, right);
    p.fillRect(area, gradient);
    p.setPen(QPen(left.darker(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

void line(QPainter& p, const QRectF& area, const QString& text, const QFont& font, const QColor& ink,
          int align = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(font);
    p.setPen(ink);
    p.drawText(area, align, text);
}

// The sponsor, its line of business and its web address.
void drawSponsorBanner(QPainter& p, int w)
{
    fillBanner(p, QRectF(0, 0, w, 50), QColor(255, 225, 90), QColor(120, 170, 60));
    drawSunflowerEmblem(p, QPointF(25, 25), 21);
    line(p, QRectF(54, 2, 260, 26), QString::fromUtf16(FarmContacts::kShortName), PictureFonts::serif(22, true),
         QColor(120, 40, 0));
    line(p, QRectF(54, 28, 300, 18), QString::fromUtf16(FarmContacts::kBusiness), PictureFonts::sans(12, true),
         QColor(40, 40, 20));
    line(p, QRectF(w - 176, 4, 170, 20), QString::fromUtf16(FarmContacts::kWeb), PictureFonts::sans(12, true),
         QColor(255, 255, 255), Qt::AlignRight | Qt::AlignVCenter);
}

// The sponsor's name, web address and products.
void drawProductsBanner(QPainter& p, int w)
{
    fillBanner(p, QRectF(0, 0, w, 50), QColor(110, 60, 20), QColor(200, 140, 40));
    line(p, QRectF(8, 3, 160, 26), QStringLiteral("«Ормалин»"), PictureFonts::serif(24, true), QColor(255, 220, 80));
    line(p, QRectF(8, 30, 170, 16), QString::fromUtf16(FarmContacts::kWeb), PictureFonts::sans(11),
         QColor(255, 255, 255));
    line(p, QRectF(176, 3, w - 224, 44), QStringLiteral("Масло подсолнечное, крупа гречневая, пшено — прямо с полей"),
         PictureFonts::sans(12, true), QColor(255, 250, 230), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
    drawSunflowerEmblem(p, QPointF(w - 24, 25), 20);
}

// An offer of the place to other advertisers, with the maker's e-mail address.
void drawOfferBanner(QPainter& p, int w)
{
    fillBanner(p, QRectF(0, 0, w, 50), QColor(20, 60, 140), QColor(60, 130, 200));
    line(p, QRectF(0, 2, w, 26), QStringLiteral("Здесь может быть ваша реклама"), PictureFonts::sans(20, true),
         QColor(255, 255, 255), Qt::AlignCenter);
    line(p, QRectF(0, 28, w, 18),
         QStringLiteral("Пишите: ") + QString::fromLatin1(MakerContacts::kEmailAddress), PictureFonts::sans(13),
         QColor(255, 230, 120), Qt::AlignCenter);
}

} // namespace

QImage drawBannerPicture(int number)
{
    const int w = number == 1 ? 468 : 467;
    QImage image(w, 50, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
    case 1:
        drawSponsorBanner(p, w);
        break;
    case 2:
        drawProductsBanner(p, w);
        break;
    case 3:
        drawOfferBanner(p, w);
        break;
    default:
        throw AppError(QStringLiteral("There is no banner %1").arg(number));
    }
    p.end();
    return image;
}
