#include "app/TForm6.h"

#include "app/DesktopShell.h"
#include "map/JpegDecoder.h"
#include "tools/pictures/WindowPictureResources.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

TForm6::TForm6(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Спонсор выпуска Ормалин."));
    setSizeGripEnabled(false);

    m_picture = decodeJpegFile(QString::fromLatin1(WindowPictureResources::kSponsor));

    // The picture follows the client area whatever its size, so it neither
    // asks for room of its own nor leaves any for scroll bars.
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(QPixmap::fromImage(m_picture));
    m_image1->setScaledContents(true);
    m_image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_image1);
    resize(m_picture.size());
}

void TForm6::showModalMaximized()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}

void TForm6::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TForm6::FormClose()
{
    // The name has no folder: the start menu is looked for where the program
    // was started from. Whether it starts is not examined.
    DesktopShell::startProgram(QDir::current().filePath(QStringLiteral("autorun")));
}
