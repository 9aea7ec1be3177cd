#include "map/PageIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

QIcon pageOrientationIcon(Qt::Orientation orientation)
{
    constexpr int kSide = 32;
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRect sheet = orientation == Qt::Vertical ? QRect(7, 2, 18, 27) : QRect(2, 7, 27, 18);
    // A folded corner tells a sheet of paper from a plain box.
    constexpr int kFold = 6;
    const QPolygon outline({sheet.topLeft(), QPoint(sheet.right() - kFold, sheet.top()),
                            QPoint(sheet.right(), sheet.top() + kFold), sheet.bottomRight(), sheet.bottomLeft()});
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(outline);
    painter.drawPolyline(QPolygon({QPoint(sheet.right() - kFold, sheet.top()),
                                   QPoint(sheet.right() - kFold, sheet.top() + kFold),
                                   QPoint(sheet.right(), sheet.top() + kFold)}));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(sheet, Qt::AlignCenter, QStringLiteral("A"));
    painter.end();
    return QIcon(pixmap);
}
