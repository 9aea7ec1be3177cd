#include "directory/TForm9.h"

#include "base/AppError.h"
#include "base/HandlerBoundary.h"
#include "directory/DialogForm.h"
#include "directory/DirectoryView.h"
#include "directory/TrimmedText.h"

#include <QKeyEvent>
#include <QScopeGuard>

using namespace DialogForm;

TForm9::TForm9(QWidget* parent)
    : QDialog(parent)
{
    setUp(*this, QStringLiteral("Form9"), QStringLiteral("Изменить"), QSize(393, 157));

    Label1 = label(*this, QStringLiteral("Label1"), QStringLiteral("Телефон"), QPoint(8, 8));
    Label2 = label(*this, QStringLiteral("Label2"), QStringLiteral("Фамилия И.О. / Организация"), QPoint(128, 8));
    Label3 = label(*this, QStringLiteral("Label3"), QStringLiteral("Адрес"), QPoint(8, 52));
    Label4 = label(*this, QStringLiteral("Label4"), QStringLiteral("Коментарий"), QPoint(200, 52));

    Edit1 = edit(*this, QStringLiteral("Edit1"), QRect(8, 24, 113, 21));
    Edit2 = edit(*this, QStringLiteral("Edit2"), QRect(128, 24, 257, 21));
    Edit3 = edit(*this, QStringLiteral("Edit3"), QRect(8, 68, 185, 21));
    Edit4 = edit(*this, QStringLiteral("Edit4"), QRect(200, 68, 185, 21));

    Button1 = button(*this, QStringLiteral("Button1"), QStringLiteral("Изменить"), QRect(104, 116, 89, 27));
    Button2 = button(*this, QStringLiteral("Button2"), QStringLiteral("Отмена"), QRect(200, 116, 89, 27));
    Button1->setDefault(true);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, Edit4);
    setTabOrder(Edit4, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, handler(this, &TForm9::Button1Click));
    connect(Button2, &QPushButton::clicked, this, handler(this, &TForm9::Button2Click));
    for (QLineEdit* field : {Edit1, Edit2, Edit3, Edit4})
        field->installEventFilter(this);
}

void TForm9::clearFields()
{
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    Edit4->clear();
}

void TForm9::fill(const DirectoryRecord& record)
{
    Edit1->setText(trimmedText(record.tel));
    Edit3->setText(trimmedText(record.adr));
    Edit2->setText(trimmedText(record.fio));
    Edit4->setText(trimmedText(record.kom));
}

void TForm9::showFor(DirectoryView& directory)
{
    m_directory = &directory;
    clearFields();
    fill(directory.currentRecord());
    exec();
}

void TForm9::Button1Click()
{
    if (!m_directory)
        throw AppError(QStringLiteral("Query1: нет справочника"));
    if (!m_directory->confirm(this, QStringLiteral("Изменить запись?")))
        return;
    // The row to change is the current one when the statement is built.
    const DirectoryRecord old = m_directory->currentRecord();
    m_directory->ExecuteDirectoryStatement(DirectoryStatements::update(trimmedText(Edit1->text()),
                                                                       trimmedText(Edit2->text()),
                                                                       trimmedText(Edit3->text()),
                                                                       trimmedText(Edit4->text()), old.rowId));
    // The change is stored: the dialog closes even if showing the list again
    // fails, as the record it was opened on is no longer the current one.
    const auto closeAfterwards = qScopeGuard([this] { accept(); });
    m_directory->SetSortMark(SortField::Fio);
    m_directory->ReloadDirectory(DirectoryStatements::selectAllOrderedBy(SortField::Fio));
    m_directory->ShowRecordCount();
}

void TForm9::Button2Click()
{
    reject();
}

bool TForm9::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            runHandler([this] { Button1Click(); });
            return true;
        }
        if (key == Qt::Key_Escape) {
            runHandler([this] { Button2Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
