#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace penwick {

namespace {

struct AtomicFileText
{
    Q_DECLARE_TR_FUNCTIONS(AtomicFile)
};

// The file that really receives the bytes: the end of a chain of symlinks, or path itself.
QString resolveTarget(const QString &path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget(); // absolute, relative links resolved against their folder
    }
    return target;
}

bool writeAll(int fd, std::initializer_list<QByteArrayView> pieces, int &error)
{
    std::vector<iovec> vec;
    for (QByteArrayView piece : pieces)
        if (!piece.isEmpty())
            vec.push_back({ const_cast<char *>(piece.data()), size_t(piece.size()) });
    size_t first = 0;
    while (first < vec.size()) {
        const ssize_t n = ::writev(
                fd, vec.data() + first, int(std::min<size_t>(vec.size() - first, IOV_MAX)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        // a short write (full disk, file size limit) moves on from where it stopped
        size_t left = size_t(n);
        while (first < vec.size() && left >= vec[first].iov_len)
            left -= vec[first++].iov_len;
        if (first < vec.size()) {
            vec[first].iov_base = static_cast<char *>(vec[first].iov_base) + left;
            vec[first].iov_len -= left;
        }
    }
    return true;
}

int syncFile(int fd)
{
#ifdef F_FULLFSYNC
    // macOS: fsync alone does not reach the platters
    if (::fcntl(fd, F_FULLFSYNC) == 0)
        return 0;
#endif
    return ::fsync(fd);
}

} // namespace

namespace {

WriteResult placeFile(
        const QString &path, std::initializer_list<QByteArrayView> pieces, bool replaceExisting)
{
    const QString target = resolveTarget(path);
    const QFileInfo targetInfo(target);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(targetInfo.absolutePath());
    QByteArray temporary = folder + "/." + QFile::encodeName(targetInfo.fileName()) + ".XXXXXX";

    struct stat old
    {
    };
    const bool existed = ::stat(targetName.constData(), &old) == 0;

    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return writeFailure(target, errno);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);

    int error = 0;
    auto abandon = [&](int why) {
        ::close(fd);
        ::unlink(temporary.constData());
        return writeFailure(target, why);
    };

    // mkstemp creates 0600; a new file gets what the umask allows, an old one keeps its mode
    mode_t mode = 0;
    if (existed) {
        mode = old.st_mode & 07777;
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // only root may give a file away; for the user's own file the owner already matches
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return abandon(errno);
    if (!writeAll(fd, pieces, error))
        return abandon(error);
    if (syncFile(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        error = errno;
        ::unlink(temporary.constData());
        return writeFailure(target, error);
    }
    // A hard link puts the file in place without replacing one that stands there; rename
    // replaces it in one step.
    const int placed = replaceExisting ? ::rename(temporary.constData(), targetName.constData())
                                       : ::link(temporary.constData(), targetName.constData());
    if (placed != 0) {
        error = errno;
        ::unlink(temporary.constData());
        return writeFailure(target, error);
    }
    if (!replaceExisting)
        ::unlink(temporary.constData());
    // the rename itself is durable only once the folder is synced
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return { true, {} };
}

} // namespace

WriteResult writeFailure(const QString &path, int error)
{
    return { false,
        AtomicFileText::tr("Could not write %1: %2.")
                .arg(QDir::toNativeSeparators(path),
                        QString::fromLocal8Bit(std::strerror(error))) };
}

WriteResult replaceFileAtomically(const QString &path, std::initializer_list<QByteArrayView> pieces)
{
    return placeFile(path, pieces, true);
}

WriteResult createFileAtomically(const QString &path, QByteArrayView bytes)
{
    return placeFile(path, { bytes }, false);
}

int removeStaleTemporaryFiles(const QString &path)
{
    const QFileInfo target(resolveTarget(path));
    // the names mkstemp made from ".<name>.XXXXXX"
    const QRegularExpression temporary(QLatin1Char('^')
            + QRegularExpression::escape(QLatin1Char('.') + target.fileName())
            + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    QDir folder = target.absoluteDir();
    int removed = 0;
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : names) {
        if (temporary.match(name).hasMatch() && folder.remove(name))
            ++removed;
    }
    return removed;
}

} // namespace penwick
