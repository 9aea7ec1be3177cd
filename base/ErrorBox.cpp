#include "base/ErrorBox.h"

#include "base/AppTitle.h"

#include <QMessageBox>

void showErrorBox(const QString& text, QWidget* parent)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}
