#include "app/TAboutBox.h"

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("О программе"));
}
