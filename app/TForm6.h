#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The sponsor window, shown once, maximized, while the program is being closed:
// a picture of the sponsoring farm "Ормалин" stretched over the whole client
// area. Closing it starts the disc's start menu, the program "autorun" of the
// current directory.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // Shows the window maximized and returns when the user has closed it.
    void showModalMaximized();

    const QImage& picture() const { return m_picture; }

    // Every way of closing the window passes here (the close button, Esc, done()).
    void done(int result) override;

private:
    void FormClose();

    QImage m_picture;
    QLabel* m_image1 = nullptr;
};
