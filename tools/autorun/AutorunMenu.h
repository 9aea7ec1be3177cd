#pragma once

#include <QWidget>

// The start menu of the disc: "Запустить навигатор" starts the navigator of the
// current directory on its own and closes the menu; "Выход" closes the menu.
class AutorunMenu : public QWidget {
    Q_OBJECT
public:
    AutorunMenu();

private:
    void startNavigator();
};
