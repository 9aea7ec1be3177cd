#include "launcher/UserFolder.h"

#include "base/AppError.h"
#include "launcher/SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString shown(const QString& path)
{
    return QStringLiteral("«") + QDir::toNativeSeparators(path) + QStringLiteral("»");
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

[[noreturn]] void failFolder(const QString& folder, int errorNumber)
{
    throw AppError(QStringLiteral("Не удалось создать папку данных навигатора %1: %2.")
                       .arg(shown(folder), systemReason(errorNumber)));
}

// mkdir -p, with the folders it creates private to the user as the XDG rule
// asks.
void makeFolder(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    qsizetype from = 1;
    while (true) {
        const qsizetype slash = clean.indexOf(QLatin1Char('/'), from);
        const QString part = slash < 0 ? clean : clean.left(slash);
        if (::mkdir(encoded(part).constData(), 0700) != 0) {
            const int error = errno;
            struct stat st {};
            if (error != EEXIST)
                failFolder(folder, error);
            if (::stat(encoded(part).constData(), &st) != 0)
                failFolder(folder, errno);
            if (!S_ISDIR(st.st_mode))
                failFolder(folder, ENOTDIR);
        }
        if (slash < 0)
            return;
        from = slash + 1;
    }
}

bool lexists(const QString& path)
{
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0;
}

mode_t creationMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes `from` whole into the open file; false with errno set on failure.
bool copyContents(int from, int to)
{
    char buffer[1 << 16];
    while (true) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0)
            return ::fsync(to) == 0;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += put;
        }
    }
}

// Copies the installed table into the folder under a temporary name and then
// links it into place, which fails rather than replace a file: a start that is
// interrupted leaves no half table, and two starts at once cannot write one
// table over the other.
void copyOnce(const QString& source, const QString& target)
{
    const auto fail = [&](int error) {
        throw AppError(QStringLiteral("Не удалось скопировать %1 в папку данных навигатора: %2.")
                           .arg(shown(target), systemReason(error)));
    };
    const int from = ::open(encoded(source).constData(), O_RDONLY | O_CLOEXEC);
    if (from < 0)
        fail(errno);
    QByteArray temporary = encoded(target + QStringLiteral(".part-XXXXXX"));
    const int to = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (to < 0) {
        const int error = errno;
        ::close(from);
        fail(error);
    }
    bool copied = ::fchmod(to, creationMode()) == 0 && copyContents(from, to);
    int error = errno;
    ::close(from);
    if (::close(to) != 0 && copied) {
        copied = false;
        error = errno;
    }
    if (copied && ::link(temporary.constData(), encoded(target).constData()) != 0 && errno != EEXIST) {
        error = errno;
        // A file system without hard links: a rename, where nothing is in the way.
        copied = (error == EPERM || error == EOPNOTSUPP) && !lexists(target)
                 && ::rename(temporary.constData(), encoded(target).constData()) == 0;
        if (!copied)
            error = errno;
    }
    ::unlink(temporary.constData());
    if (!copied)
        fail(error);
}

// A link named `target` that points at `source`. A link pointing elsewhere (an
// earlier installation in another place) is replaced; anything else the user
// put there is theirs.
void linkShared(const QString& source, const QString& target)
{
    const auto fail = [&](int error) {
        throw AppError(QStringLiteral("Не удалось создать в папке данных навигатора ссылку %1: %2.")
                           .arg(shown(target), systemReason(error)));
    };
    const QByteArray wanted = encoded(source);
    struct stat st {};
    if (::lstat(encoded(target).constData(), &st) != 0) {
        if (errno != ENOENT)
            fail(errno);
        if (::symlink(wanted.constData(), encoded(target).constData()) != 0 && errno != EEXIST)
            fail(errno);
        return;
    }
    if (!S_ISLNK(st.st_mode))
        return;
    QByteArray current(PATH_MAX, '\0');
    const ssize_t length = ::readlink(encoded(target).constData(), current.data(), size_t(current.size()));
    if (length >= 0 && current.left(length) == wanted)
        return;
    const QByteArray replacement = encoded(target + QStringLiteral(".link-%1").arg(::getpid()));
    ::unlink(replacement.constData());
    if (::symlink(wanted.constData(), replacement.constData()) != 0)
        fail(errno);
    if (::rename(replacement.constData(), encoded(target).constData()) != 0) {
        const int error = errno;
        ::unlink(replacement.constData());
        fail(error);
    }
}

} // namespace

namespace UserFolder {

QStringList editableFiles()
{
    return {QStringLiteral("prdata.db"), QStringLiteral("GOROD.DB")};
}

QStringList sharedFiles()
{
    return {QStringLiteral("dtdn2.sd"), QStringLiteral("talvfoto"), QStringLiteral("bussines.db")};
}

QString pathFor(const QString& xdgDataHome, const QString& home)
{
    QString dataHome = xdgDataHome;
    if (!QDir::isAbsolutePath(dataHome)) {
        if (!QDir::isAbsolutePath(home))
            throw AppError(QStringLiteral("Не удалось найти папку для данных навигатора: не задана домашняя папка "
                                          "(переменная HOME)."));
        dataHome = home + QStringLiteral("/.local/share");
    }
    return QDir::cleanPath(dataHome + QStringLiteral("/talvinsk"));
}

QString defaultPath()
{
    return pathFor(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
}

void prepare(const QString& installedData, const QString& folder)
{
    for (const QString& name : editableFiles() + sharedFiles()) {
        if (!QFileInfo::exists(installedData + QLatin1Char('/') + name))
            throw AppError(QStringLiteral("Среди установленных файлов навигатора нет %1. Установите программу заново.")
                               .arg(shown(installedData + QLatin1Char('/') + name)));
    }
    makeFolder(folder);
    if (::access(encoded(folder).constData(), W_OK | X_OK) != 0)
        throw AppError(QStringLiteral("В папку данных навигатора %1 нельзя записывать: %2.")
                           .arg(shown(folder), systemReason(errno)));
    for (const QString& name : editableFiles()) {
        const QString target = folder + QLatin1Char('/') + name;
        if (!lexists(target))
            copyOnce(installedData + QLatin1Char('/') + name, target);
    }
    for (const QString& name : sharedFiles())
        linkShared(installedData + QLatin1Char('/') + name, folder + QLatin1Char('/') + name);
}

} // namespace UserFolder
