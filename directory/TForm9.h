#pragma once

#include <QDialog>

class DirectoryView;
struct DirectoryRecord;
class QLabel;
class QLineEdit;
class QPushButton;

// The change dialog "Изменить", prefilled with the current record.
// "Изменить" asks "Изменить запись?" and, on Yes, stores the new texts in the
// current row alone (identified by its row id), then lists the whole directory
// sorted by name. Enter in a field acts as "Изменить", Escape as "Отмена".
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    // The pop-up menu's "Изменить": empties the fields, fills them from the
    // current record (trimmed) and shows the dialog modally. While the query is
    // closed, reading the record fails: the fields are then empty and the
    // dialog is not shown.
    void showFor(DirectoryView& directory);
    void setDirectory(DirectoryView* directory) { m_directory = directory; }
    void clearFields();
    void fill(const DirectoryRecord& record);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    // "Изменить".
    void Button1Click();
    // "Отмена".
    void Button2Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DirectoryView* m_directory = nullptr;
};
