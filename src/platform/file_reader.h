#pragma once

#include <QByteArray>
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
    virtual FileContents read(const QString &path, qint64 maxBytes) = 0;
};

} // namespace gibbetry
