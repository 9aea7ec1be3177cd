#include "directory/TForm2.h"

TForm2::TForm2(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Поиск"));
}
