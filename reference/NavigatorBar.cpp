#include "reference/NavigatorBar.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int kGlyphSize = 16;

// Glyphs drawn in code: triangles with bars for moving, plus, minus and a tick.
QIcon glyph(NavigatorBar::Button which)
{
    QPixmap pixmap(kGlyphSize, kGlyphSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0, 0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const auto triangle = [&](bool pointsLeft, qreal x) {
        QPainterPath path;
        if (pointsLeft) {
            path.moveTo(x, 8);
            path.lineTo(x + 6, 3);
            path.lineTo(x + 6, 13);
        } else {
            path.moveTo(x + 6, 8);
            path.lineTo(x, 3);
            path.lineTo(x, 13);
        }
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (which) {
    case NavigatorBar::First:
        p.drawRect(QRectF(3, 3, 2, 10));
        triangle(true, 6);
        break;
    case NavigatorBar::Prior:
        triangle(true, 5);
        break;
    case NavigatorBar::Next:
        triangle(false, 5);
        break;
    case NavigatorBar::Last:
        triangle(false, 4);
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case NavigatorBar::Insert:
        p.drawRect(QRectF(3, 7, 10, 2));
        p.drawRect(QRectF(7, 3, 2, 10));
        break;
    case NavigatorBar::Delete:
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case NavigatorBar::Post: {
        p.setPen(QPen(ink, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    }
    case NavigatorBar::ButtonCount:
        break;
    }
    return QIcon(pixmap);
}

const char* const kNames[NavigatorBar::ButtonCount] = {"first", "prior", "next", "last", "insert", "delete", "post"};
const char* const kHints[NavigatorBar::ButtonCount] = {
    "Первая запись", "Предыдущая запись", "Следующая запись", "Последняя запись",
    "Вставить запись", "Удалить запись", "Сохранить изменения"};

} // namespace

NavigatorBar::NavigatorBar(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (int i = 0; i < ButtonCount; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(kNames[i]));
        button->setAutoRaise(true);
        button->setIcon(glyph(Button(i)));
        button->setToolTip(QString::fromUtf8(kHints[i]));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        m_buttons[i] = button;
        connect(button, &QToolButton::clicked, this, [this, i] { emit clicked(Button(i)); });
    }
}
