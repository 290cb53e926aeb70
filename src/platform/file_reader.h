#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace gibbetry {

struct FileContents {
    enum class Status { Ok, Missing, NotRegularFile, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes;     // at most the limit asked for
    bool truncated = false; // the file holds more than the limit
    QString reason;         // why a file that is there could not be read ("it is a folder")
};

// Reads files whole, never more than a limit. Anything but a regular file is refused as soon as
// it is opened, without a byte read, and opening never waits, so a FIFO or a device cannot
// block the game.
class FileReader {
public:
    virtual ~FileReader() = default;
    // path: the bytes the system names the file by, so that a folder whose name is not UTF-8 can
    // be read.
    virtual FileContents read(const QByteArray &path, qint64 maxBytes) = 0;
    FileContents read(const QString &path, qint64 maxBytes)
    {
        return read(QFile::encodeName(path), maxBytes);
    }
    FileContents read(const char *path, qint64 maxBytes) { return read(QByteArray(path), maxBytes); }
};

} // namespace gibbetry
