#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

// Drives the program through its modal windows, as the user does: a script of
// steps for the windows the program opens, in the order it opens them, and
// actions run from the event loop, so that their errors reach the program's
// error box.
namespace ModalScripts {

// What a modal window showed the user.
struct Seen {
    QString className;
    QString title;
    QString text;
};

// Answers the modal windows the program opens. Steps are queued with the class
// of the window each is for; when a modal window of the next step's class is
// up, the step runs on it from an event of its own, so that a window the step
// opens is answered too. Any other modal window (an error box) is recorded and
// closed, as the user would close it. An error a step throws goes to the event
// loop, which shows it as the program does.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    void then(const QString& className, Step step) { m_steps.append({className, std::move(step)}); }
    int stepsLeft() const { return int(m_steps.size()); }
    bool idle() const { return !m_pending && !QApplication::activeModalWidget(); }

    QList<Seen> seen;

    // The texts of the message boxes, in the order they were shown.
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const Seen& s : seen) {
            if (s.className == QLatin1String("QMessageBox"))
                texts << s.text;
        }
        return texts;
    }
    QStringList titlesOf(const QString& className) const
    {
        QStringList titles;
        for (const Seen& s : seen) {
            if (s.className == className)
                titles << s.title;
        }
        return titles;
    }

private:
    struct Queued {
        QString className;
        Step step;
    };

    void poll()
    {
        if (m_pending)
            return;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        Seen s;
        s.className = QString::fromLatin1(modal->metaObject()->className());
        s.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            s.text = box->text();
        seen << s;
        if (m_steps.isEmpty() || m_steps.first().className != s.className) {
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(0);
            else
                modal->close();
            return;
        }
        m_pending = true;
        Step step = m_steps.takeFirst().step;
        QTimer::singleShot(0, this, [this, step, target = QPointer<QWidget>(modal)] {
            m_pending = false;
            if (target)
                step(target);
        });
    }

    QTimer m_timer;
    QList<Queued> m_steps;
    bool m_pending = false;
};

// Runs the action from an event of the loop, as a click of the user runs, so
// that an error it throws is shown in the program's error box; returns when the
// action and every modal window it opened are done.
inline bool inLoop(const std::function<void()>& action, int timeoutMs = 30000)
{
    auto done = std::make_shared<bool>(false);
    QTimer::singleShot(0, qApp, [done, action] {
        struct Mark {
            std::shared_ptr<bool> flag;
            ~Mark() { *flag = true; }
        } mark{done};
        action();
    });
    QDeadlineTimer deadline(timeoutMs);
    while (!(*done && !QApplication::activeModalWidget()) && !deadline.hasExpired())
        QTest::qWait(10);
    return *done;
}

// A message box's button, for a step to press.
inline void press(QWidget* modal, QMessageBox::StandardButton which)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY2(box, modal ? modal->metaObject()->className() : "no modal window");
    box->button(which)->click();
}

} // namespace ModalScripts
