#include "app/TAboutBox.h"

#include "app/ClickableLabel.h"
#include "app/DesktopShell.h"
#include "app/MakerContacts.h"
#include "app/MakerLinks.h"
#include "base/HandlerBoundary.h"
#include "tools/pictures/WindowPictureResources.h"

#include <QBitmap>
#include <QFrame>
#include <QPushButton>

namespace {

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// The picture is drawn transparent: the colour of its bottom-left pixel lets
// the panel show through, as the window was designed.
QPixmap transparentPicture(const QString& resource)
{
    const QImage image(resource);
    QPixmap pixmap = QPixmap::fromImage(image);
    if (!image.isNull())
        pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(image.pixel(0, image.height() - 1), Qt::MaskInColor)));
    return pixmap;
}

// The links are as wide as their text, which depends on the font at hand; a
// link that would pass the panel's right edge moves left until it fits.
void fitToText(QLabel* label, int panelWidth)
{
    const int width = qMax(label->width(), label->sizeHint().width());
    const int left = qMax(2, qMin(label->x(), panelWidth - 4 - width));
    label->setGeometry(left, label->y(), width, label->height());
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("О программе"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(383, 410);
    createControls();
}

void TAboutBox::createControls()
{
    m_panel1 = new QFrame(this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setGeometry(8, 8, 369, 369);
    // A lowered outer and a raised inner bevel: a groove around the panel.
    m_panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_panel1->setLineWidth(1);
    m_panel1->setMidLineWidth(0);

    // The picture is taller than its control; its lower part is cut off.
    m_programIcon = new QLabel(m_panel1);
    m_programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    m_programIcon->setGeometry(8, 8, 354, 281);
    m_programIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_programIcon->setPixmap(transparentPicture(QString::fromLatin1(WindowPictureResources::kAbout)));

    m_label1 = new ClickableLabel(m_panel1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(72, 288, 259, 13);
    m_label1->setText(QStringLiteral("Наш адрес в интернете      ") + QString::fromUtf8(MakerContacts::kWebAddress));
    connect(m_label1, &ClickableLabel::mouseMoved, this, handler(this, &TAboutBox::Label1MouseMove));
    connect(m_label1, &ClickableLabel::mouseLeft, this, handler(this, &TAboutBox::Label1MouseLeave));
    connect(m_label1, &ClickableLabel::clicked, this, handler(this, &TAboutBox::Label1Click));

    m_label2 = new ClickableLabel(m_panel1);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(56, 344, 276, 13);
    m_label2->setText(QStringLiteral("С вопросами и пожеланиями пишите на ")
                      + QString::fromUtf8(MakerContacts::kEmailAddress));
    connect(m_label2, &ClickableLabel::mouseMoved, this, handler(this, &TAboutBox::Label2MouseMove));
    connect(m_label2, &ClickableLabel::mouseLeft, this, handler(this, &TAboutBox::Label2MouseLeave));
    connect(m_label2, &ClickableLabel::clicked, this, handler(this, &TAboutBox::Label2Click));

    for (QLabel* link : {static_cast<QLabel*>(m_label1), static_cast<QLabel*>(m_label2)}) {
        setTextColour(link, Qt::black);
        fitToText(link, m_panel1->width());
    }

    m_label3 = new QLabel(QStringLiteral("v 1.5"), m_panel1);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(296, 13, 55, 29);
    QFont versionFont = font();
    versionFont.setPixelSize(24);
    versionFont.setBold(true);
    m_label3->setFont(versionFont);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setGeometry(175, 380, 75, 25);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::Label1MouseMove()
{
    setTextColour(m_label1, QColor(0, 255, 0));
}

void TAboutBox::Label1MouseLeave()
{
    setTextColour(m_label1, Qt::black);
}

void TAboutBox::Label1Click()
{
    DesktopShell::openUrl(MakerLinks::webAddress());
}

void TAboutBox::Label2MouseMove()
{
    setTextColour(m_label2, QColor(0, 255, 0));
}

void TAboutBox::Label2MouseLeave()
{
    setTextColour(m_label2, Qt::black);
}

void TAboutBox::Label2Click()
{
    DesktopShell::openUrl(MakerLinks::mailAddress());
}
