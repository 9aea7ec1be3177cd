#include "app/TForm3.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

QLabel* whiteLabel(const QString& text, QPoint at, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(at);
    label->adjustSize();
    return label;
}

} // namespace

TForm3::TForm3(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(QStringLiteral(":/pictures/splash.bmp"))
{
    setWindowTitle(QStringLiteral("Тальвинск"));
    setFixedSize(401, 270);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    auto* version = whiteLabel(QStringLiteral("v 1.5"), QPoint(8, 253), this);
    version->setObjectName(QStringLiteral("Label1"));
    auto* loading = whiteLabel(QStringLiteral("Загрузка приложения ..."), QPoint(272, 253), this);
    loading->setObjectName(QStringLiteral("Label2"));

    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setInterval(100);
    m_timer.setSingleShot(true);
    m_timer.start();
}

void TForm3::closeEvent(QCloseEvent* event)
{
    if (closeAllowed())
        event->accept();
    else
        event->ignore();
}

void TForm3::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_picture.isNull())
        painter.fillRect(rect(), QColor(32, 64, 96));
    else
        painter.drawPixmap(rect(), m_picture);
}
