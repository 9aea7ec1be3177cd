#pragma once

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

// Answers the modal windows a test provokes: whenever a modal window is up, it
// records what the user would see and closes it, so the code under test goes on.
class ModalWatcher : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList visibleTopLevels;
    };

    ModalWatcher()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QList<Seen> seen;
    // Called with each modal window before it is closed.
    std::function<void(QWidget*)> onModal;

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        Seen s;
        s.className = QString::fromLatin1(modal->metaObject()->className());
        s.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            s.text = box->text();
            s.icon = box->icon();
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                s.visibleTopLevels << QString::fromLatin1(w->metaObject()->className());
        }
        seen << s;
        if (onModal)
            onModal(modal);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(0);
        else
            modal->close();
    }

    QTimer m_timer;
};
