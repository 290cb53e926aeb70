#include "platform/settings_file.h"

#include "platform/posix_file_reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace gibbetry::settings_file {

QString shown(const QByteArray &path)
{
    return QDir::toNativeSeparators(QFile::decodeName(path));
}

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray cleaned(const QByteArray &path)
{
    QByteArray whole = path;
    if (!whole.startsWith('/')) {
        char here[PATH_MAX];
        whole = (::getcwd(here, sizeof here) ? QByteArray(here) : QByteArray("/")) + '/' + whole;
    }
    QList<QByteArray> parts;
    for (const QByteArray &part : whole.split('/')) {
        if (part == "..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (!part.isEmpty() && part != ".") {
            parts.append(part);
        }
    }
    return '/' + parts.join('/');
}

Resolved resolve(const QByteArray &path)
{
    char target[PATH_MAX];
    if (::realpath(path.constData(), target))
        return {QByteArray(target), 0};
    return {{}, errno};
}

bool isLink(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool isOthersLink(const QByteArray &path)
{
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
           info.st_uid != ::geteuid();
}

Identity Identity::of(const struct stat &info)
{
    return {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
}

bool Identity::operator==(const Identity &other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

OpenFolder::OpenFolder(const QByteArray &path)
    : fd(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
}

OpenFolder::~OpenFolder()
{
    if (fd >= 0)
        ::close(fd);
}

QList<QByteArray> OpenFolder::names(const QByteArray &prefix) const
{
    QList<QByteArray> found;
    // A second descriptor of its own: reading a folder moves the descriptor's position.
    const int own = fd < 0 ? -1 : ::openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *folder = own < 0 ? nullptr : ::fdopendir(own);
    if (!folder) {
        if (own >= 0)
            ::close(own);
        return found;
    }
    while (const dirent *entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith(prefix))
            found.append(name);
    }
    ::closedir(folder);
    return found;
}

bool OpenFolder::stat(const QByteArray &name, struct stat &info) const
{
    return ::fstatat(fd, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

OpenedFile::OpenedFile(int folder, const QByteArray &name, qint64 maxBytes, bool noFollow)
    : maxBytes_(maxBytes)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below anyway.
    fd_ = ::openat(folder, name.constData(),
                   O_RDONLY | O_NONBLOCK | O_CLOEXEC | (noFollow ? O_NOFOLLOW : 0));
    if (fd_ < 0) {
        const int error = errno;
        contents_.status = error == ENOENT || error == ENOTDIR ? FileContents::Status::Missing
                                                               : FileContents::Status::Unreadable;
        contents_.reason = errorText(error);
        return;
    }
    if (::fstat(fd_, &info_) != 0 || !S_ISREG(info_.st_mode)) {
        contents_.status = FileContents::Status::NotRegularFile;
        contents_.reason = notAFileReason(info_.st_mode);
        return;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (readWhole())
            return;
    }
}

OpenedFile::~OpenedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

namespace {

// Reads fd from its start, up to one byte past the limit (which tells whether it holds more);
// errno when it cannot.
int readFromStart(int fd, qint64 maxBytes, QByteArray &bytes)
{
    bytes.clear();
    char buffer[16384];
    for (off_t at = 0; bytes.size() <= maxBytes;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        bytes.append(buffer, qMin<qsizetype>(got, maxBytes + 1 - bytes.size()));
        at += got;
    }
    return 0;
}

} // namespace

// Reads from the start; false when the file changed meanwhile, and it is worth reading again.
bool OpenedFile::readWhole()
{
    struct stat before {};
    if (::fstat(fd_, &before) != 0)
        before = info_;
    QByteArray bytes;
    if (const int error = readFromStart(fd_, maxBytes_, bytes)) {
        contents_.status = FileContents::Status::Unreadable;
        contents_.reason = errorText(error);
        return true;
    }
    struct stat after {};
    const bool still = ::fstat(fd_, &after) == 0 && Identity::of(after) == Identity::of(before);
    // Bytes read while the file changed are not those of what it is now: what it was before
    // makes changed() true, so that a save reads it again rather than replace the last change
    // (and a failed fstat leaves no zero mode or owner for the new file to take).
    info_ = still ? after : before;
    identity_ = Identity::of(info_);
    contents_.status = FileContents::Status::Ok;
    contents_.truncated = bytes.size() > maxBytes_;
    contents_.bytes = bytes.left(maxBytes_);
    return still;
}

bool OpenedFile::changed() const
{
    struct stat now {};
    return fd_ >= 0 && contents_.status == FileContents::Status::Ok &&
           (::fstat(fd_, &now) != 0 || Identity::of(now) != identity_);
}

std::optional<QByteArray> OpenedFile::bytesNow() const
{
    QByteArray bytes;
    if (readFromStart(fd_, maxBytes_, bytes) != 0 || bytes.size() > maxBytes_)
        return std::nullopt;
    return bytes;
}

// In the kernel where it can (a clone, holes kept), else by reading and writing.
bool OpenedFile::copyTo(int fd) const
{
    off_t at = 0;
    for (;;) {
        const ssize_t done = ::copy_file_range(fd_, &at, fd, nullptr, 1 << 20, 0);
        if (done == 0)
            return true;
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0 && at == 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                                    errno == EOPNOTSUPP))
            break;
        if (done < 0)
            return false;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::pread(fd_, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        if (!writeAll(fd, QByteArray::fromRawData(buffer, got)))
            return false;
        at += got;
    }
}

bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool rootMayUse(const OpenFolder &folder, const QByteArray &filePath)
{
    if (::geteuid() != 0)
        return true;
    const QByteArray config = folderOf(folderOf(filePath));
    struct stat owner {}, info {};
    return folder.fd >= 0 && ::lstat(config.constData(), &owner) == 0 &&
           ::fstat(folder.fd, &info) == 0 && info.st_uid == owner.st_uid;
}

std::optional<QString> makeFolders(const QByteArray &folder)
{
    struct stat info {};
    if (::stat(folder.constData(), &info) == 0 || errno != ENOENT)
        return std::nullopt; // there already, or unreachable: told when it is used
    const QByteArray parent = folderOf(folder);
    if (parent != folder)
        if (std::optional<QString> failed = makeFolders(parent))
            return failed;
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return QCoreApplication::translate("IniSettingsStore",
                                           "the folder %1 could not be created: %2.")
            .arg(shown(folder), errorText(errno));
    struct stat above {};
    if (::geteuid() == 0 && ::stat(parent.constData(), &above) == 0 && above.st_uid != 0 &&
        ::lchown(folder.constData(), above.st_uid, above.st_gid) != 0)
        return QCoreApplication::translate("IniSettingsStore",
                                           "the folder %1 could not be given to its owner: %2.")
            .arg(shown(folder), errorText(errno));
    return std::nullopt;
}

void removeDeadTemporaries(const OpenFolder &folder, const QByteArray &prefix)
{
    for (const QByteArray &name : folder.names(prefix)) {
        bool numeric = false;
        const int owner = name.mid(prefix.size()).split('-').constFirst().toInt(&numeric);
        struct stat info {};
        if (!numeric || owner <= 0 || owner == ::getpid() || !folder.stat(name, info) ||
            !S_ISREG(info.st_mode))
            continue;
        if (::kill(owner, 0) != 0 && errno == ESRCH)
            ::unlinkat(folder.fd, name.constData(), 0);
    }
}

} // namespace gibbetry::settings_file
