#include "directory/TForm9.h"

TForm9::TForm9(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Изменить"));
}
