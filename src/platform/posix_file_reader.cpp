#include "platform/posix_file_reader.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace gibbetry {

QString fileKindText(unsigned mode)
{
    //: What a path turned out to be, a noun phrase with its article; it stands where a sentence
    //: names what was found ("%1 is %2, not a settings file").
    static const std::pair<unsigned, const char *> kinds[] = {
        {S_IFDIR, QT_TRANSLATE_NOOP("FileKind", "a folder")},
        {S_IFCHR, QT_TRANSLATE_NOOP("FileKind", "a character device")},
        {S_IFBLK, QT_TRANSLATE_NOOP("FileKind", "a block device")},
        {S_IFIFO, QT_TRANSLATE_NOOP("FileKind", "a FIFO (named pipe)")},
        {S_IFSOCK, QT_TRANSLATE_NOOP("FileKind", "a socket")},
        {S_IFREG, QT_TRANSLATE_NOOP("FileKind", "a file")},
    };
    for (const auto &[kind, text] : kinds) {
        if ((mode & S_IFMT) == kind)
            return QCoreApplication::translate("FileKind", text);
    }
    return QCoreApplication::translate("FileKind", "no regular file");
}

// Why a file that opened is refused, a whole phrase for each kind of file.
QString notAFileReason(unsigned mode)
{
    static const std::pair<unsigned, const char *> reasons[] = {
        {S_IFDIR, QT_TRANSLATE_NOOP("PosixFileReader", "it is a folder, not a file")},
        {S_IFCHR, QT_TRANSLATE_NOOP("PosixFileReader", "it is a character device, not a file")},
        {S_IFBLK, QT_TRANSLATE_NOOP("PosixFileReader", "it is a block device, not a file")},
        {S_IFIFO, QT_TRANSLATE_NOOP("PosixFileReader", "it is a FIFO (named pipe), not a file")},
        {S_IFSOCK, QT_TRANSLATE_NOOP("PosixFileReader", "it is a socket, not a file")},
    };
    for (const auto &[kind, reason] : reasons) {
        if ((mode & S_IFMT) == kind)
            return QCoreApplication::translate("PosixFileReader", reason);
    }
    return QCoreApplication::translate("PosixFileReader", "it is no regular file");
}

FileContents PosixFileReader::read(const QByteArray &path, qint64 maxBytes)
{
    FileContents result;
    // O_NONBLOCK: opening a FIFO must not wait for a writer; it is refused below anyway.
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        result.status = error == ENOENT || error == ENOTDIR ? FileContents::Status::Missing
                                                            : FileContents::Status::Unreadable;
        result.reason = QString::fromLocal8Bit(std::strerror(error));
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.reason = QString::fromLocal8Bit(std::strerror(errno));
        ::close(fd);
        result.status = FileContents::Status::Unreadable;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = FileContents::Status::NotRegularFile;
        result.reason = notAFileReason(info.st_mode);
        return result;
    }
    // One byte past the limit tells whether the file holds more.
    const qint64 want = maxBytes + 1;
    QByteArray bytes(qMin<qint64>(qMax<qint64>(info.st_size, 0), maxBytes) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total >= want)
                break;
            bytes.resize(qMin<qint64>(want, total * 2));
        }
        const ssize_t got = ::read(fd, bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.reason = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            result.status = FileContents::Status::Unreadable;
            return result;
        }
        if (got == 0)
            break;
        total += got;
    }
    ::close(fd);
    result.truncated = total > maxBytes;
    bytes.truncate(qMin(total, maxBytes));
    result.bytes = std::move(bytes);
    result.status = FileContents::Status::Ok;
    return result;
}

} // namespace gibbetry
