#include "base/HandlerBoundary.h"

#include "base/ErrorBox.h"

#include <QApplication>

void showHandlerError(const QString& text)
{
    showErrorBox(text, QApplication::activeWindow());
}
