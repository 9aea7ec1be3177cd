#include "app/TForm6.h"

TForm6::TForm6(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Спонсор выпуска Ормалин."));
    setSizeGripEnabled(false);
}

void TForm6::showModalMaximized()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
}
