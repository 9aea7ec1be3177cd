#include "map/TForm5.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStyle>

TForm5::TForm5(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Фото изображения"));
    // A fixed dialog frame: a close button, no resizing, no minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    setFixedSize(333, 173);
}

QSize TForm5::fittedSize(const QSize& photo, const QSize& available)
{
    if (photo.width() <= available.width() && photo.height() <= available.height())
        return photo;
    return photo.scaled(available, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QSize TForm5::shownSize() const
{
    return m_image1->size();
}

void TForm5::showPhoto(const QImage& photo, const QString& caption)
{
    m_photo = photo;
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The frame and title bar take part of the screen too; leave room for them.
    const int frame = style()->pixelMetric(QStyle::PM_TitleBarHeight) + 16;
    const QSize available = screen ? screen->availableGeometry().size() - QSize(16, frame) : photo.size();
    const QSize size = fittedSize(photo.size(), available.expandedTo(QSize(1, 1)));

    m_image1->setPixmap(QPixmap::fromImage(photo));
    m_image1->setGeometry(QRect(QPoint(0, 0), size));
    // The client area takes the photo's size, so the whole photo shows.
    setFixedSize(size);
    setWindowTitle(caption);
    if (!m_placed && screen) {
        const QRect area = screen->availableGeometry();
        move(qMax(area.left(), area.center().x() - size.width() / 2),
             qMax(area.top(), area.center().y() - size.height() / 2));
        m_placed = true;
    }
    exec();
}
