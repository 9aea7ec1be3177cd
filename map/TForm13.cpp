#include "map/TForm13.h"

TForm13::TForm13(QWidget* parent)
    : PageWindow(PageLayout::landscape(), parent)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Form13"));
}
