#include "map/TForm11.h"

TForm11::TForm11(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Печать фрагмента карты"));
}
