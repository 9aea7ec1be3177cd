#pragma once

#include <QDialog>

// The sponsor window, shown once, maximized, while the program is being closed.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // Shows the window maximized and returns when the user has closed it.
    void showModalMaximized();
};
