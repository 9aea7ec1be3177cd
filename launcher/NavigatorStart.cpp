#include "launcher/NavigatorStart.h"

#include "base/AppError.h"
#include "launcher/SystemReason.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <unistd.h>

void startNavigator(const QString& program, const QString& folder)
{
    const QByteArray where = QFile::encodeName(folder);
    if (::chdir(where.constData()) != 0)
        throw AppError(QStringLiteral("Не удалось открыть папку данных навигатора «%1»: %2.")
                           .arg(QDir::toNativeSeparators(folder), systemReason(errno)));
    qputenv("PWD", where);
    const QByteArray path = QFile::encodeName(program);
    char* const arguments[] = {const_cast<char*>(path.constData()), nullptr};
    ::execv(path.constData(), arguments);
    throw AppError(QStringLiteral("Не удалось запустить навигатор «%1»: %2.")
                       .arg(QDir::toNativeSeparators(program), systemReason(errno)));
}
