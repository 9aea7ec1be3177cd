#include "app/NavigatorApplication.h"

#include "base/AppError.h"
#include "base/ErrorBox.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

NavigatorApplication::NavigatorApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool NavigatorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        ++m_errorsAtLastResort;
        showErrorBox(error.message(), activeWindow());
    } catch (const std::exception& error) {
        ++m_errorsAtLastResort;
        showErrorBox(QString::fromLocal8Bit(error.what()), activeWindow());
    }
    return false;
}

void NavigatorApplication::installRussianTranslations()
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QLocale::setDefault(russian);
    auto* translator = new QTranslator(this);
    if (translator->load(russian, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}
