#include "AutorunMenu.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    AutorunMenu menu;
    menu.show();
    return app.exec();
}
