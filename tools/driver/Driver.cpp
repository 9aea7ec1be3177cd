#include "Driver.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

// Each wait ends here at the latest, so that a window that never comes up
// ends the run with a reason instead of leaving the program running.
constexpr int kStepDeadlineMs = 120000;

const QString kAddDialog = QStringLiteral("Добавить запись");
const QString kSponsorWindow = QStringLiteral("Спонсор выпуска Ормалин.");

QWidget* mainWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form1") && window->isVisible() && window->windowHandle()
            && window->windowHandle()->isExposed())
            return window;
    }
    return nullptr;
}

// The main window is up and waits for the user: no modal window, no menu.
bool mainWindowIdle()
{
    return mainWindow() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget();
}

QWidget* modalTitled(const QString& title)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isVisible() && modal->windowTitle() == title ? modal : nullptr;
}

QMessageBox* messageBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box && box->isVisible() ? box : nullptr;
}

template <class T>
T* child(QObject* parent, const char* name)
{
    return parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
}

// Runs from the event loop, as a click does: a window it opens runs its own
// loop, in which the driver's timer goes on.
void later(std::function<void()> work)
{
    QTimer::singleShot(0, qApp, std::move(work));
}

// Types the text into the field key by key, through its validator.
void type(QWidget* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

void pressKey(QWidget* window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(window, &release);
}

} // namespace

Driver::Driver(const QString& ordersPath)
{
    QFile file(ordersPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(QStringLiteral("cannot read the orders ") + ordersPath);
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            plan(line.split(QLatin1Char('|')));
    }
    m_deadline = QDeadlineTimer(kStepDeadlineMs);
    connect(&m_timer, &QTimer::timeout, this, &Driver::tick);
    m_timer.start(20);
}

void Driver::step(QString awaited, std::function<bool()> ready, std::function<void()> act)
{
    m_steps.append({std::move(awaited), std::move(ready), std::move(act)});
}

void Driver::plan(const QStringList& order)
{
    const QString& what = order.first();
    if (what == QLatin1String("main-window") && order.size() == 1) {
        step(QStringLiteral("the main window"), mainWindowIdle, [this] {
            const QSize size = mainWindow()->size();
            say(QStringLiteral("main-window %1x%2").arg(size.width()).arg(size.height()));
        });
    } else if (what == QLatin1String("find-street") && order.size() == 2) {
        const QString street = order[1];
        step(QStringLiteral("the main window"), mainWindowIdle, [this, street] {
            auto* group = child<QWidget>(mainWindow(), "GroupBox2");
            auto* field = child<QLineEdit>(group, "Edit1");
            auto* find = child<QAbstractButton>(group, "SpeedButton1");
            if (!field || !find)
                fail(QStringLiteral("the street finder has no field or button"));
            type(field, street);
            if (!find->isEnabled())
                fail(QStringLiteral("\"Найти\" stays disabled for ") + street);
            find->click();
            say(QStringLiteral("street ") + street);
        });
    } else if (what == QLatin1String("shoot") && order.size() == 2) {
        const QString path = order[1];
        step(QStringLiteral("the main window"), mainWindowIdle, [this, path] {
            QWidget* window = mainWindow();
            window->repaint();
            const QPixmap shot = window->screen()->grabWindow(window->winId());
            if (shot.isNull() || !shot.save(path, "PNG"))
                fail(QStringLiteral("cannot save the picture ") + path);
            say(QStringLiteral("shot %1x%2").arg(shot.width()).arg(shot.height()));
        });
    } else if (what == QLatin1String("add") && order.size() == 7) {
        planAdd(order.mid(1));
    } else if (what == QLatin1String("expect-record") && order.size() == 2) {
        const QString tel = order[1];
        step(QStringLiteral("the main window"), mainWindowIdle, [this, tel] {
            auto* grid = child<QTableView>(mainWindow(), "DBGrid1");
            QAbstractItemModel* model = grid ? grid->model() : nullptr;
            if (!model)
                fail(QStringLiteral("the main window has no directory grid"));
            while (model->canFetchMore({}))
                model->fetchMore({});
            for (int row = 0; row < model->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < model->columnCount(); ++column)
                    cells << model->index(row, column).data().toString();
                if (cells.value(0) == tel) {
                    say(QStringLiteral("record ") + cells.join(QLatin1Char('|')));
                    return;
                }
            }
            say(QStringLiteral("no-record ") + tel);
        });
    } else if (what == QLatin1String("quit") && order.size() == 1) {
        planQuit();
    } else if (what == QLatin1String("answer-message") && order.size() == 1) {
        step(QStringLiteral("a message box"), [] { return messageBox() != nullptr; }, [this] {
            QMessageBox* box = messageBox();
            say(QStringLiteral("message ") + box->windowTitle() + QLatin1Char('|') + box->text());
            QAbstractButton* button = box->defaultButton();
            if (!button)
                button = box->buttons().value(0);
            if (!button)
                fail(QStringLiteral("the message box has no button"));
            later([button] { button->click(); });
        });
    } else {
        fail(QStringLiteral("unknown order ") + order.join(QLatin1Char('|')));
    }
}

void Driver::planAdd(const QStringList& fields)
{
    step(QStringLiteral("the main window"), mainWindowIdle, [] {
        auto* add = child<QAction>(mainWindow(), "N10");
        later([add] { add->trigger(); });
    });
    step(QStringLiteral("the add dialog"), [] { return modalTitled(kAddDialog) != nullptr; }, [this, fields] {
        QWidget* dialog = modalTitled(kAddDialog);
        auto* street = child<QComboBox>(dialog, "ComboBox1");
        auto* ok = child<QAbstractButton>(dialog, "Button1");
        const char* edits[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5"};
        const QString texts[] = {fields[0], fields[1], fields[3], fields[4], fields[5]};
        for (int i = 0; i < 5; ++i) {
            auto* edit = child<QLineEdit>(dialog, edits[i]);
            if (!edit)
                fail(QStringLiteral("the add dialog has no ") + QLatin1String(edits[i]));
            type(edit, texts[i]);
        }
        if (!street || !ok)
            fail(QStringLiteral("the add dialog has no street list or \"Ок\""));
        // The street is picked from the list where it is there, else typed.
        const int index = street->findText(fields[2]);
        if (index >= 0)
            street->setCurrentIndex(index);
        else if (street->lineEdit())
            type(street->lineEdit(), fields[2]);
        later([ok] { ok->click(); });
    });
    const QString tel = fields[0];
    step(QStringLiteral("the add dialog to close"), [] { return !modalTitled(kAddDialog); }, [this, tel] {
        if (QMessageBox* box = messageBox())
            fail(QStringLiteral("error box: ") + box->text());
        say(QStringLiteral("added ") + tel);
    });
}

void Driver::planQuit()
{
    step(QStringLiteral("the main window"), mainWindowIdle, [] {
        auto* exit = child<QAction>(mainWindow(), "N8");
        later([exit] { exit->trigger(); });
    });
    step(QStringLiteral("the sponsor window"), [] { return modalTitled(kSponsorWindow) != nullptr; }, [this] {
        QWidget* sponsor = modalTitled(kSponsorWindow);
        say(QStringLiteral("sponsor"));
        later([sponsor] { pressKey(sponsor, Qt::Key_Escape); });
    });
}

void Driver::tick()
{
    if (m_next >= m_steps.size())
        return;
    const Step& current = m_steps[m_next];
    if (!current.ready()) {
        if (m_deadline.hasExpired())
            fail(QStringLiteral("no ") + current.awaited);
        return;
    }
    current.act();
    m_deadline = QDeadlineTimer(kStepDeadlineMs);
    if (++m_next == m_steps.size()) {
        m_timer.stop();
        say(QStringLiteral("done"));
    }
}

void Driver::say(const QString& line)
{
    std::fprintf(stdout, "driver: %s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void Driver::fail(const QString& why)
{
    say(QStringLiteral("fail ") + why);
    std::_Exit(3);
}
