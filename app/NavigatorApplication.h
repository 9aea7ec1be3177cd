#pragma once

#include <QApplication>

// The application object. Errors of event handlers are shown at the handler
// boundary, where Qt called the handler (base/HandlerBoundary.h); notify() is
// only the last resort for an error that escaped a boundary: it shows the text
// in the error box and lets the event loop go on with the next event.
class NavigatorApplication : public QApplication {
    Q_OBJECT
public:
    NavigatorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // How many errors have reached notify() since the program started: none,
    // while every handler runs at its boundary.
    int errorsAtLastResort() const { return m_errorsAtLastResort; }

    // Loads Qt's own Russian texts so that standard buttons read "Да", "Нет", "Отмена".
    void installRussianTranslations();

private:
    int m_errorsAtLastResort = 0;
};
