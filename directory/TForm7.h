#pragma once

#include <QDialog>

class DirectoryView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The add dialog "Добавить запись". Stores one new record; the address
// is entered as a street, a house and a flat and joined into one text in the
// form that the address lookup on the map takes apart ("Ленина 25 кв 3").
// No key has a special meaning in this dialog.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    // The pop-up menu's "Добавить": empties the fields and shows the dialog modally.
    void showFor(DirectoryView& directory);
    void setDirectory(DirectoryView* directory) { m_directory = directory; }
    void clearFields();

    // The address as stored: the trimmed street, then a blank and the house
    // where the trimmed house is not empty, then " кв " and the flat where the
    // trimmed flat is not empty.
    static QString JoinAddress(const QString& street, const QString& house, const QString& flat);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // "Ок": stores the record, reopens the whole directory and shows the count.
    void Button1Click();
    // "Отмена": closes the dialog; nothing is stored.
    void Button2Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    DirectoryView* m_directory = nullptr;
};
