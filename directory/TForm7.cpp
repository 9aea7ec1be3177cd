#include "directory/TForm7.h"

#include "base/AppError.h"
#include "base/HandlerBoundary.h"
#include "directory/DialogForm.h"
#include "directory/DirectoryView.h"
#include "directory/TrimmedText.h"

#include <QKeyEvent>
#include <QScopeGuard>

using namespace DialogForm;

TForm7::TForm7(QWidget* parent)
    : QDialog(parent)
{
    setUp(*this, QStringLiteral("Form7"), QStringLiteral("Добавить запись"), QSize(462, 169));

    Label1 = label(*this, QStringLiteral("Label1"), QStringLiteral("Телефон"), QPoint(8, 8));
    Label2 = label(*this, QStringLiteral("Label2"), QStringLiteral("Фамилия И О"), QPoint(120, 8));
    Label3 = label(*this, QStringLiteral("Label3"), QStringLiteral("Адрес"), QPoint(8, 50));
    Label5 = label(*this, QStringLiteral("Label5"), QStringLiteral("дом"), QPoint(272, 50));
    Label6 = label(*this, QStringLiteral("Label6"), QStringLiteral("кв."), QPoint(360, 50));
    Label4 = label(*this, QStringLiteral("Label4"), QStringLiteral("Коментарий"), QPoint(8, 92));

    Edit1 = edit(*this, QStringLiteral("Edit1"), QRect(8, 24, 105, 21));
    Edit2 = edit(*this, QStringLiteral("Edit2"), QRect(120, 24, 334, 21));
    ComboBox1 = streetCombo(*this, QStringLiteral("ComboBox1"), QRect(8, 66, 257, 21));
    Edit3 = edit(*this, QStringLiteral("Edit3"), QRect(272, 66, 81, 21));
    Edit4 = edit(*this, QStringLiteral("Edit4"), QRect(360, 66, 94, 21));
    Edit5 = edit(*this, QStringLiteral("Edit5"), QRect(8, 108, 446, 21));

    Button1 = button(*this, QStringLiteral("Button1"), QStringLiteral("Ок"), QRect(272, 138, 88, 25));
    Button2 = button(*this, QStringLiteral("Button2"), QStringLiteral("Отмена"), QRect(366, 138, 88, 25));
    // Enter does not press a button here: no key has a special meaning.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, ComboBox1);
    setTabOrder(ComboBox1, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Edit5);
    setTabOrder(Edit5, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, handler(this, &TForm7::Button1Click));
    connect(Button2, &QPushButton::clicked, this, handler(this, &TForm7::Button2Click));
}

void TForm7::clearFields()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
    Edit5->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
}

void TForm7::showFor(DirectoryView& directory)
{
    m_directory = &directory;
    clearFields();
    exec();
}

QString TForm7::JoinAddress(const QString& street, const QString& house, const QString& flat)
{
    QString address = trimmedText(street);
    const QString h = trimmedText(house);
    const QString f = trimmedText(flat);
    if (!h.isEmpty())
        address += QLatin1Char(' ') + h;
    if (!f.isEmpty())
        address += QStringLiteral(" кв ") + f;
    return address;
}

void TForm7::Button1Click()
{
    if (!m_directory)
        throw AppError(QStringLiteral("Query1: нет справочника"));
    const DirectoryStatement insert = DirectoryStatements::insert(
        trimmedText(Edit1->text()), trimmedText(Edit2->text()),
        JoinAddress(ComboBox1->currentText(), Edit3->text(), Edit4->text()), trimmedText(Edit5->text()));
    m_directory->ExecuteDirectoryStatement(insert);
    // The record is stored: the dialog closes even if showing the list again
    // fails (another program holding the file), so that pressing "Ок" a second
    // time cannot store it twice.
    const auto closeAfterwards = qScopeGuard([this] { accept(); });
    m_directory->SetSortMark(SortField::None);
    m_directory->ReloadDirectory(DirectoryStatements::selectAll());
    m_directory->ShowRecordCount();
}

void TForm7::Button2Click()
{
    reject();
}

void TForm7::keyPressEvent(QKeyEvent* event)
{
    // Escape does not close the dialog and Enter presses nothing.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
