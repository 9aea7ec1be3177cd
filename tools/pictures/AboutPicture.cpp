#include "WindowPictures.h"

#include "PictureFonts.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

// Faint streets and blocks behind the text, like a piece of the town plan.
void drawPlanBackground(QPainter& p, const QRectF& area)
{
    QLinearGradient paper(area.topLeft(), area.bottomLeft());
    paper.setColorAt(0, QColor(250, 247, 235));
    paper.setColorAt(1, QColor(235, 240, 230));
    p.fillRect(area, paper);
    p.setPen(QPen(QColor(225, 215, 190), 6));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(area.left() - 20 + i * 75, area.top()), QPointF(area.left() + 30 + i * 75, area.bottom()));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(area.left(), area.top() + 30 + i * 70), QPointF(area.right(), area.top() + 10 + i * 70));
    p.setPen(QPen(QColor(210, 228, 240), 10));
    QPainterPath river;
    river.moveTo(area.left(), area.bottom() - 40);
    river.cubicTo(area.left() + 120, area.bottom() - 90, area.left() + 220, area.bottom() - 10, area.right(),
                  area.bottom() - 70);
    p.setBrush(Qt::NoBrush);
    p.drawPath(river);
}

void drawPin(QPainter& p, QPointF tip, qreal size)
{
    QPainterPath pin;
    pin.moveTo(tip);
    pin.cubicTo(tip + QPointF(-size * 0.2, -size * 0.45), tip + QPointF(-size * 0.5, -size * 0.6),
                tip + QPointF(-size * 0.5, -size * 0.85));
    pin.arcTo(QRectF(tip.x() - size * 0.5, tip.y() - size * 1.35, size, size), 180, -180);
    pin.cubicTo(tip + QPointF(size * 0.5, -size * 0.6), tip + QPointF(size * 0.2, -size * 0.45), tip);
    p.setPen(QPen(QColor(120, 0, 0), 1.5));
    p.setBrush(QColor(220, 30, 30));
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(tip + QPointF(0, -size * 0.85), size * 0.18, size * 0.18);
}

} // namespace

QImage drawAboutPicture()
{
    const int w = 354;
    const int h = 301;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPlanBackground(p, QRectF(0, 0, w, h));

    drawPin(p, QPointF(34, 74), 44);
    p.setFont(PictureFonts::serif(30, true, true));
    p.setPen(QColor(30, 50, 110));
    p.drawText(QRectF(64, 34, 280, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Тальвинск"));
    p.drawText(QRectF(96, 66, 250, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Навигатор"));
    p.setFont(PictureFonts::sans(11));
    p.setPen(QColor(80, 80, 80));
    p.drawText(QRectF(0, 104, w, 16), Qt::AlignCenter,
               QStringLiteral("электронная карта и телефонный справочник города"));
    p.setPen(QPen(QColor(150, 130, 90), 1));
    p.drawLine(QPointF(30, 126), QPointF(w - 30, 126));

    struct Credit {
        const char16_t* role;
        const char16_t* names;
    };
    const Credit credits[] = {
        {u"Программирование", u"Сергей Ковалёв\nДмитрий Баранов"},
        {u"Картография", u"Андрей Литвинов\nОльга Чернова"},
        {u"Фотографии", u"Виктор Самойленко"},
        {u"Спонсор выпуска", u"к.ф.х. «Ормалин»"},
    };
    qreal y = 136;
    for (const Credit& credit : credits) {
        const QString names = QString::fromUtf16(credit.names);
        const int lines = int(names.count(QLatin1Char('\n'))) + 1;
        p.setFont(PictureFonts::sans(12, true));
        p.setPen(QColor(110, 60, 20));
        p.drawText(QRectF(14, y, 150, 18), Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf16(credit.role) + u':');
        p.setFont(PictureFonts::sans(12));
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(174, y, 170, 17 * lines), Qt::AlignLeft | Qt::AlignTop, names);
        y += 17 * lines + 5;
    }
    p.setFont(PictureFonts::sans(11));
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(0, 256, w, 16), Qt::AlignCenter, QStringLiteral("© Тальвинск, 2006"));
    p.end();
    return image;
}
