#pragma once

#include <QDialog>

class DirectoryView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TForm7;

// The search dialog "Поиск". Narrows the directory grid to the records
// whose phone, name and address contain the typed texts. Its texts stay from one
// opening to the next ("Очистить" alone empties them) and are also the filter of
// every later sort item. Its creation fills the street lists of this
// dialog and of the add dialog.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm7& addDialog, QWidget* parent = nullptr);

    // Shows the dialog modally over the directory (the main window's "Поиск"
    // and "Поиск по таблице").
    void showFor(DirectoryView& directory);
    void setDirectory(DirectoryView* directory) { m_directory = directory; }

    // The texts the sort items read: the phone, name and street, trimmed.
    QString phoneText() const;
    QString nameText() const;
    QString streetText() const;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;

    // "Ок": reopens the grid with the search statement and shows the count.
    void Button1Click();
    // "Очистить": empties the fields; the dialog stays open.
    void Button2Click();
    // "Отмена": closes the dialog.
    void Button3Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DirectoryView* m_directory = nullptr;
};
