#pragma once

#include <QDialog>

class ClickableLabel;
class QFrame;
class QLabel;
class QPushButton;

// The About window: the program's title and credits on a picture, the maker's
// web and e-mail addresses as links, the version, and "OK".
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

private:
    void createControls();
    void Label1MouseMove();
    void Label1MouseLeave();
    void Label1Click();
    void Label2MouseMove();
    void Label2MouseLeave();
    void Label2Click();

    QFrame* m_panel1 = nullptr;
    QLabel* m_programIcon = nullptr;
    ClickableLabel* m_label1 = nullptr;
    ClickableLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QPushButton* m_okButton = nullptr;
};
