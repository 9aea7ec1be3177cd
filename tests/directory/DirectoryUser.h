#pragma once

#include "DirectoryFixture.h"

#include "app/NavigatorWindows.h"
#include "directory/DirectoryModel.h"
#include "directory/DirectoryView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <functional>

// A user at the phone directory of a running navigator: adds, changes and
// deletes records through the grid's pop-up menu, the dialogs and the question
// boxes, as a person does, answering every question Yes. An error the program
// shows in its error box is read and the box closed; a dialog the error left
// open is then cancelled. Records are found in the grid by their phone, which
// the callers keep unique. Works in the test's own process and in the programs
// a test starts.
class DirectoryUser {
public:
    using Row = DirectoryFixture::Row;

    explicit DirectoryUser(NavigatorWindows& windows)
        : m_windows(windows)
        , m_view(*windows.form1->findChild<DirectoryView*>(QStringLiteral("Query1")))
    {
    }

    DirectoryView& view() const { return m_view; }

    // Each operation returns the text of the error box it brought up; empty
    // when it went through.
    QString add(const Row& row)
    {
        return perform("N10", [row](QDialog& dialog) {
            auto& f = static_cast<TForm7&>(dialog);
            f.Edit1->setText(row.tel);
            f.Edit2->setText(row.fio);
            f.ComboBox1->setEditText(row.adr);
            f.Edit3->clear();
            f.Edit4->clear();
            f.Edit5->setText(row.kom);
            f.Button1->click();
        });
    }

    QString change(const QString& tel, const Row& to)
    {
        if (!selectRecord(tel))
            return QStringLiteral("no record ") + tel;
        return perform("N9", [to](QDialog& dialog) {
            auto& f = static_cast<TForm9&>(dialog);
            f.Edit1->setText(to.tel);
            f.Edit2->setText(to.fio);
            f.Edit3->setText(to.adr);
            f.Edit4->setText(to.kom);
            f.Button1->click();
        });
    }

    QString remove(const QString& tel)
    {
        if (!selectRecord(tel))
            return QStringLiteral("no record ") + tel;
        return perform("N11", nullptr);
    }

    // "Сортировать по" / "Фамилия И.О.": the whole directory again, as the
    // file holds it now.
    QString sortByName() { return perform("N4", nullptr); }

    // The rows of the grid, every one read as a user scrolling to the end does.
    QList<Row> gridRows() const
    {
        DirectoryModel& model = m_view.model();
        while (model.canFetchMore())
            model.fetchMore();
        QList<Row> rows;
        for (int r = 0; r < model.rowCount(); ++r) {
            const auto cell = [&](int c) { return model.data(model.index(r, c)).toString(); };
            rows.append({cell(0), cell(1), cell(2), cell(3)});
        }
        return rows;
    }

    // Puts the grid's cursor on the record with this phone, as a click does.
    bool selectRecord(const QString& tel)
    {
        const QList<Row> rows = gridRows();
        for (int r = 0; r < rows.size(); ++r) {
            if (rows[r].tel == tel) {
                m_view.grid().setCurrentIndex(m_view.model().index(r, 0));
                return true;
            }
        }
        return false;
    }

private:
    // Chooses the pop-up menu item from an event, as a click does, so that an
    // error it throws reaches the program's error box; answers whatever modal
    // window comes up until the item's work is over.
    QString perform(const char* item, const std::function<void(QDialog&)>& fill)
    {
        QAction* action = m_windows.form1->findChild<QAction*>(QLatin1String(item));
        if (!action)
            return QStringLiteral("no menu item ") + QLatin1String(item);
        QString error;
        bool submitted = false;
        bool pending = false;
        bool done = false;
        QEventLoop loop;
        QTimer answerer;
        answerer.setInterval(0);
        const auto answer = [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                    yes->click();
                } else {
                    if (error.isEmpty())
                        error = box->text().isEmpty() ? QStringLiteral("<empty error box>") : box->text();
                    box->done(0);
                }
                return;
            }
            auto* dialog = qobject_cast<QDialog*>(modal);
            if (!dialog) {
                modal->close();
            } else if (!submitted && fill) {
                submitted = true;
                fill(*dialog);
            } else if (!error.isEmpty() || !fill) {
                // Left open by the error: the user gives up.
                if (auto* add = qobject_cast<TForm7*>(dialog))
                    add->Button2->click();
                else if (auto* change = qobject_cast<TForm9*>(dialog))
                    change->Button2->click();
                else
                    dialog->reject();
            }
        };
        QObject::connect(&answerer, &QTimer::timeout, &answerer, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (pending || !modal)
                return;
            // From an event of its own, so that a window the answer opens is
            // answered too.
            pending = true;
            QTimer::singleShot(0, &answerer, [&, target = QPointer<QWidget>(modal)] {
                pending = false;
                if (target)
                    answer(target);
            });
        });
        QTimer::singleShot(0, &answerer, [&] {
            struct Over {
                bool& done;
                QEventLoop& loop;
                ~Over()
                {
                    done = true;
                    loop.quit();
                }
            } over{done, loop};
            action->trigger();
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
        giveUp.start(120000);
        answerer.start();
        // The error box of an error that left the handler is shown before
        // the loop returns: it is answered too.
        loop.exec();
        answerer.stop();
        if (!done)
            return QStringLiteral("no end to ") + QLatin1String(item);
        if (QWidget* left = QApplication::activeModalWidget())
            return QStringLiteral("left open: ") + QLatin1String(left->metaObject()->className());
        return error;
    }

    NavigatorWindows& m_windows;
    DirectoryView& m_view;
};
