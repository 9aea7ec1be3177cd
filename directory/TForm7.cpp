#include "directory/TForm7.h"

TForm7::TForm7(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Добавить запись"));
}
