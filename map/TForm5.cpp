#include "map/TForm5.h"

TForm5::TForm5(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Фото изображения"));
}
