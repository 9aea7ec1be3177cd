#include "map/TForm11.h"

TForm11::TForm11(QWidget* parent)
    : PageWindow(PageLayout::portrait(), parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Печать фрагмента карты"));
}
