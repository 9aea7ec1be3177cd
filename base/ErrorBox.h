#pragma once

#include <QString>

class QWidget;

// Shows an error the way every error of the program is shown: a modal box with
// the application title, a stop icon, the error's own text and one OK button.
void showErrorBox(const QString& text, QWidget* parent = nullptr);
