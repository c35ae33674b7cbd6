#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
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

FileIdentity identityOf(const struct stat &st)
{
    FileIdentity id;
    id.exists = true;
    id.size = st.st_size;
#ifdef Q_OS_MACOS
    id.modifiedNs = qint64(st.st_mtimespec.tv_sec) * 1000000000 + st.st_mtimespec.tv_nsec;
#else
    id.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#endif
    id.inode = st.st_ino;
    id.device = st.st_dev;
    return id;
}

FileIdentity identityAt(const QByteArray &name)
{
    struct stat st
    {
    };
    if (::stat(name.constData(), &st) != 0)
        return {};
    return identityOf(st);
}

// The temporary files of a replacement: ".<name>.penwick-XXXXXX", a name of Penwick's own.
QByteArray temporaryTemplate(const QFileInfo &target)
{
    return QFile::encodeName(target.absolutePath()) + "/." + QFile::encodeName(target.fileName())
            + ".penwick-XXXXXX";
}

void (*betweenExchanges)() = nullptr;

// Moves the file at temporary to a name beside target that says whose it is, never over
// another file; returns that name, or nothing when even that failed (the file then stays at
// temporary, which is never removed).
QByteArray keepAside(const QByteArray &temporary, const QByteArray &target)
{
    const QString path = QFile::decodeName(target);
    for (int attempt = 0; attempt < 5; ++attempt) {
        QByteArray name = QFile::encodeName(
                keptAsideName(path, QDateTime::currentDateTime().addSecs(attempt)));
        if (::link(temporary.constData(), name.constData()) == 0) {
            ::unlink(temporary.constData());
            return name;
        }
        if (errno != EEXIST)
            break;
    }
    return {};
}

// Puts the temporary file in place of target only while target is still the expected
// version. Where the system can swap two names in one step, the swap shows which file was
// replaced, and an unexpected one is swapped back: no other program's version is ever lost,
// however close its rename lands to ours. What the swap back leaves at the temporary name is
// checked too: a version that is not ours is kept beside the target, never unlinked.
int placeIfUnchanged(const QByteArray &temporary, const QByteArray &target,
        const FileIdentity &expected, const FileIdentity &ours, QByteArray *keptAside)
{
#if defined(Q_OS_LINUX) && defined(RENAME_EXCHANGE)
    if (!expected.exists) {
        if (::renameat2(
                    AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
                == 0)
            return 0;
        if (errno == EEXIST)
            return EEXIST;
    } else if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(),
                       RENAME_EXCHANGE)
            == 0) {
        if (identityAt(temporary) == expected) {
            ::unlink(temporary.constData());
            return 0;
        }
        if (betweenExchanges)
            betweenExchanges();
        if (::renameat2(
                    AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE)
                != 0) {
            // ours stays in place; the other program's version is kept beside it
            *keptAside = keepAside(temporary, target);
            return 0;
        }
        if (identityAt(temporary) == ours)
            ::unlink(temporary.constData());
        else // a third version landed between the two swaps
            *keptAside = keepAside(temporary, target);
        return EEXIST;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOENT)
        return errno;
#endif
    (void)ours;
    (void)keptAside;
    // Elsewhere the check stands right before the rename, which leaves the smallest window.
    if (!(identityAt(target) == expected))
        return EEXIST;
    return ::rename(temporary.constData(), target.constData()) == 0 ? 0 : errno;
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

WriteResult placeFile(const QString &path, std::initializer_list<QByteArrayView> pieces,
        bool replaceExisting, const FileIdentity *expected = nullptr)
{
    const QString target = resolveTarget(path);
    const QFileInfo targetInfo(target);
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(targetInfo.absolutePath());
    QByteArray temporary = temporaryTemplate(targetInfo);

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

    // A diary is private: a new file is the user's alone (mkstemp's 0600); an old one keeps its
    // mode and owner.
    if (existed) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // only root may give a file away; for the user's own file the owner already matches
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return abandon(errno);
    }
    if (!writeAll(fd, pieces, error))
        return abandon(error);
    if (syncFile(fd) != 0)
        return abandon(errno);
    struct stat placedStat
    {
    };
    if (::fstat(fd, &placedStat) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        error = errno;
        ::unlink(temporary.constData());
        return writeFailure(target, error);
    }
    // A hard link puts the file in place without replacing one that stands there; rename
    // replaces it in one step.
    int placed = 0;
    QByteArray keptAside;
    if (expected)
        placed = placeIfUnchanged(
                temporary, targetName, *expected, identityOf(placedStat), &keptAside);
    else if (replaceExisting)
        placed = ::rename(temporary.constData(), targetName.constData()) == 0 ? 0 : errno;
    else
        placed = ::link(temporary.constData(), targetName.constData()) == 0 ? 0 : errno;
    if (placed != 0) {
        // only ours is removed: after a swap the name may hold another program's version
        if (identityAt(temporary) == identityOf(placedStat))
            ::unlink(temporary.constData());
        if (expected && placed == EEXIST) {
            WriteResult changed = writeFailure(target, placed);
            changed.changedMeanwhile = true;
            changed.keptAside = QFile::decodeName(keptAside);
            return changed;
        }
        return writeFailure(target, placed);
    }
    if (!replaceExisting)
        ::unlink(temporary.constData());
    // the rename itself is durable only once the folder is synced
    const int dir = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return { true, {}, identityOf(placedStat), false, QFile::decodeName(keptAside) };
}

} // namespace

void setBetweenExchangesHook(void (*hook)())
{
    betweenExchanges = hook;
}

QString keptAsideName(const QString &path, const QDateTime &when)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    return file.absoluteDir().filePath(
            QStringLiteral("%1 (another program's version %2)%3")
                    .arg(file.completeBaseName(),
                            when.toString(QStringLiteral("yyyy-MM-dd HHmmss")), suffix));
}

FileIdentity FileIdentity::of(const QString &path)
{
    return identityAt(QFile::encodeName(path));
}

ReadResult readRegularFile(const QString &path, qint64 maxSize, bool ownFileOnly)
{
    ReadResult result;
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking, so that a FIFO or a device never holds the window; what it is, is asked of
    // the open descriptor, so nothing can be swapped in between the check and the read.
    const int fd = ::open(name.constData(),
            O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (ownFileOnly ? O_NOFOLLOW : 0));
    if (fd < 0) {
        const int why = errno;
        if (why == ELOOP && ownFileOnly) {
            result.kind = ReadResult::Link;
            return result;
        }
        if (why == ENOENT) {
            const QFileInfo info(path);
            result.kind = QFileInfo(info.absolutePath()).isDir() ? ReadResult::Missing
                                                                 : ReadResult::FolderMissing;
            return result;
        }
        if (why == EISDIR || why == ENXIO) {
            result.kind = ReadResult::NotRegular;
            return result;
        }
        result.error = QString::fromLocal8Bit(std::strerror(why));
        return result;
    }
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result.kind = ReadResult::NotRegular;
        return result;
    }
    if (ownFileOnly && st.st_uid != ::getuid()) {
        ::close(fd);
        result.kind = ReadResult::NotOwn;
        return result;
    }
    if (st.st_size > maxSize) {
        ::close(fd);
        result.kind = ReadResult::TooLarge;
        return result;
    }
    result.identity = identityOf(st);
    // A file still growing is read up to the bound, never beyond it.
    result.bytes.resize(qsizetype(st.st_size));
    qsizetype have = 0;
    for (;;) {
        if (have == result.bytes.size()) {
            if (result.bytes.size() >= maxSize)
                break;
            result.bytes.resize(std::min<qsizetype>(have + 65536, maxSize));
        }
        const ssize_t n
                = ::read(fd, result.bytes.data() + have, size_t(result.bytes.size() - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            result.bytes.clear();
            return result;
        }
        if (n == 0)
            break;
        have += n;
    }
    ::close(fd);
    result.bytes.resize(have);
    result.kind = ReadResult::Ok;
    return result;
}

bool isForeignFolder(const QString &path)
{
    struct stat st
    {
    };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false; // missing: Penwick makes it, its own
    return !S_ISDIR(st.st_mode) || st.st_uid != ::getuid();
}

bool makePrivateFolder(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(absolute).isDir())
        return true;
    if (!makePrivateFolder(QFileInfo(absolute).absolutePath()))
        return false;
    return ::mkdir(QFile::encodeName(absolute).constData(), 0700) == 0 || errno == EEXIST;
}

bool isSameFile(const QString &a, const QString &b)
{
    const FileIdentity x = FileIdentity::of(a);
    return x.exists && x.inode == FileIdentity::of(b).inode
            && x.device == FileIdentity::of(b).device;
}

WriteResult writeFailure(const QString &path, int error)
{
    return WriteResult::failure(AtomicFileText::tr("Could not write %1: %2.")
                                        .arg(QDir::toNativeSeparators(path),
                                                QString::fromLocal8Bit(std::strerror(error))));
}

WriteResult replaceFileAtomically(const QString &path, std::initializer_list<QByteArrayView> pieces,
        const FileIdentity *expected)
{
    return placeFile(path, pieces, true, expected);
}

WriteResult createFileAtomically(const QString &path, QByteArrayView bytes)
{
    return placeFile(path, { bytes }, false);
}

int removeStaleTemporaryFiles(const QString &path)
{
    const QFileInfo target(resolveTarget(path));
    // the names mkstemp made from ".<name>.penwick-XXXXXX"; a younger one may belong to a
    // replacement under way in another process. Names are compared as strings, and only a
    // match is looked at on disk: this runs before the window shows.
    const QString prefix = QLatin1Char('.') + target.fileName() + QStringLiteral(".penwick-");
    auto isTemporary = [&prefix](const QString &name) {
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            return false;
        return std::all_of(name.cbegin() + prefix.size(), name.cend(), [](QChar c) {
            return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
        });
    };
    const QDateTime aMinuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    QDir folder = target.absoluteDir();
    int removed = 0;
    // an iterator without name filters: QDir's listing compiles a wildcard pattern even for none
    QDirIterator names(folder.path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    while (names.hasNext()) {
        const QFileInfo file = names.nextFileInfo();
        if (isTemporary(file.fileName()) && file.lastModified() < aMinuteAgo
                && folder.remove(file.fileName()))
            ++removed;
    }
    return removed;
}

} // namespace penwick
