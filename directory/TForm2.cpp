#include "directory/TForm2.h"

#include "base/AppError.h"
#include "base/HandlerBoundary.h"
#include "directory/DialogForm.h"
#include "directory/DirectoryView.h"
#include "directory/TForm7.h"
#include "directory/TrimmedText.h"
#include "map/StreetCatalogue.h"

#include <QAbstractItemView>
#include <QKeyEvent>

using namespace DialogForm;

TForm2::TForm2(TForm7& addDialog, QWidget* parent)
    : QDialog(parent)
{
    setUp(*this, QStringLiteral("Form2"), QStringLiteral("Поиск"), QSize(373, 151));

    Label1 = label(*this, QStringLiteral("Label1"), QStringLiteral("Телефон"), QPoint(8, 8));
    Label2 = label(*this, QStringLiteral("Label2"), QStringLiteral("Ф.И.О / Организация"), QPoint(120, 8));
    Label4 = label(*this, QStringLiteral("Label4"), QStringLiteral("Улица"), QPoint(8, 52));
    Label5 = label(*this, QStringLiteral("Label5"), QStringLiteral("дом"), QPoint(256, 52));
    Label6 = label(*this, QStringLiteral("Label6"), QStringLiteral("кв."), QPoint(312, 52));

    Edit1 = edit(*this, QStringLiteral("Edit1"), QRect(8, 24, 104, 21));
    limitLength(*Edit1, 10);
    Edit2 = edit(*this, QStringLiteral("Edit2"), QRect(120, 24, 245, 21));
    ComboBox1 = streetCombo(*this, QStringLiteral("ComboBox1"), QRect(8, 68, 241, 21));
    Edit4 = edit(*this, QStringLiteral("Edit4"), QRect(256, 68, 49, 21));
    Edit5 = edit(*this, QStringLiteral("Edit5"), QRect(312, 68, 53, 21));
    // The house and flat fields are never shown and no statement uses them.
    for (QWidget* hidden : {static_cast<QWidget*>(Edit4), static_cast<QWidget*>(Edit5),
                            static_cast<QWidget*>(Label5), static_cast<QWidget*>(Label6)})
        hidden->hide();

    Button1 = button(*this, QStringLiteral("Button1"), QStringLiteral("Ок"), QRect(8, 112, 113, 27));
    Button2 = button(*this, QStringLiteral("Button2"), QStringLiteral("Очистить"), QRect(130, 112, 113, 27));
    Button3 = button(*this, QStringLiteral("Button3"), QStringLiteral("Отмена"), QRect(252, 112, 113, 27));
    Button1->setDefault(true);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, ComboBox1);
    setTabOrder(ComboBox1, Edit4);
    setTabOrder(Edit4, Edit5);
    setTabOrder(Edit5, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(Button1, &QPushButton::clicked, this, handler(this, &TForm2::Button1Click));
    connect(Button2, &QPushButton::clicked, this, handler(this, &TForm2::Button2Click));
    connect(Button3, &QPushButton::clicked, this, handler(this, &TForm2::Button3Click));
    for (QObject* field : {static_cast<QObject*>(Edit1), static_cast<QObject*>(Edit2),
                           static_cast<QObject*>(ComboBox1), static_cast<QObject*>(ComboBox1->lineEdit()),
                           static_cast<QObject*>(Edit4), static_cast<QObject*>(Edit5)})
        field->installEventFilter(this);

    FillStreetCombos(*ComboBox1, *addDialog.ComboBox1);
    // The lists are filled; the fields start empty.
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
    addDialog.ComboBox1->setCurrentIndex(-1);
    addDialog.ComboBox1->setEditText(QString());
}

void TForm2::showFor(DirectoryView& directory)
{
    m_directory = &directory;
    exec();
}

QString TForm2::phoneText() const
{
    return trimmedText(Edit1->text());
}

QString TForm2::nameText() const
{
    return trimmedText(Edit2->text());
}

QString TForm2::streetText() const
{
    return trimmedText(ComboBox1->currentText());
}

void TForm2::Button1Click()
{
    if (!m_directory)
        throw AppError(QStringLiteral("Query1: нет справочника"));
    m_directory->ReloadDirectory(DirectoryStatements::search(phoneText(), nameText(), streetText()));
    m_directory->ShowRecordCount();
    accept();
}

void TForm2::Button2Click()
{
    Edit1->clear();
    Edit2->clear();
    Edit4->clear();
    Edit5->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
}

void TForm2::Button3Click()
{
    reject();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // With the street list dropped down, Enter and Escape belong to the list.
        const bool listOpen = ComboBox1->view() && ComboBox1->view()->isVisible();
        if (!listOpen && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            runHandler([this] { Button1Click(); });
            return true;
        }
        if (!listOpen && key == Qt::Key_Escape) {
            runHandler([this] { Button3Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
