#pragma once

#include <QApplication>

// The application object. Event handlers do not catch errors: an error that
// leaves a handler reaches notify(), which shows its text in the error box and
// lets the event loop go on with the next event.
class NavigatorApplication : public QApplication {
    Q_OBJECT
public:
    NavigatorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Loads Qt's own Russian texts so that standard buttons read "Да", "Нет", "Отмена".
    void installRussianTranslations();
};
