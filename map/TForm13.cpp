#include "map/TForm13.h"

TForm13::TForm13(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Form13"));
}
