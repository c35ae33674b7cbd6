#include "FolderSync.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace penwick {

namespace {

int syncDescriptor(int fd)
{
#ifdef F_FULLFSYNC
    if (::fcntl(fd, F_FULLFSYNC) == 0)
        return 0;
#endif
    return ::fsync(fd) == 0 ? 0 : errno;
}

int syncPath(const QString &path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = syncDescriptor(fd);
    ::close(fd);
    return error;
}

} // namespace

bool syncFolderAndFiles(const QString &folder, QString *error)
{
    int failed = 0;
#if defined(Q_OS_LINUX)
    const int fd
            = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    failed = fd < 0 ? errno : (::syncfs(fd) == 0 ? 0 : errno);
    if (fd >= 0)
        ::close(fd);
#else
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if ((failed = syncPath(QDir(folder).filePath(name), O_RDONLY)) != 0)
            break;
    }
    if (!failed)
        failed = syncPath(folder, O_RDONLY | O_DIRECTORY);
#endif
    if (failed && error)
        *error = QString::fromLocal8Bit(std::strerror(failed));
    return !failed;
}

void syncFolderEntries(const QString &folder)
{
    syncPath(folder, O_RDONLY | O_DIRECTORY);
}

} // namespace penwick
