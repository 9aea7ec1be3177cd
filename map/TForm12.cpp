#include "map/TForm12.h"

TForm12::TForm12(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Настройка"));
}
