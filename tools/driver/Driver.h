#pragma once

#include <QDeadlineTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

// A hand that works the navigator from inside its own process, for the tests
// of an installed navigator and for the screenshot of the build: loaded as a
// Qt plugin into an unchanged program, it reads a file of orders, one a line
// with fields split by '|', and carries them out through the program's
// windows, menu items and dialogs as a person would, once each window is up.
// What it sees goes to standard output as lines "driver: ...".
//
//   main-window                      wait for the main window
//   find-street|NAME                 type the street into the finder, press "Найти"
//   shoot|PATH                       save a picture of the main window as PNG
//   add|TEL|FIO|STREET|HOUSE|FLAT|KOM   "Добавить" in the grid's menu, fill in, "Ок"
//   expect-record|TEL                say the grid's record with this phone
//   quit                             "Выход" in the grid's menu, close the sponsor window
//   answer-message                   say the message box's text and press its button
class Driver : public QObject {
    Q_OBJECT
public:
    explicit Driver(const QString& ordersPath);

private:
    struct Step {
        QString awaited;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    void plan(const QStringList& order);
    void step(QString awaited, std::function<bool()> ready, std::function<void()> act);
    void tick();
    void say(const QString& line);
    [[noreturn]] void fail(const QString& why);

    void planAdd(const QStringList& fields);
    void planQuit();

    QList<Step> m_steps;
    qsizetype m_next = 0;
    QTimer m_timer;
    QDeadlineTimer m_deadline;
};
