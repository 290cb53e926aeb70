#pragma once

#include <QByteArray>
#include <QString>

namespace gibbetry {

struct FileContents {
    enum class Status { Ok, Missing, NotRegularFile, Unreadable };
    Status status = Status::Missing;
    QByteArray bytes;     // at most the limit asked for
    bool truncated = false; // the file holds more than the limit
};

// Reads files whole, never more than a limit; only regular files are opened, so a FIFO or a
// device can never block the game.
class FileReader {
public:
    virtual ~FileReader() = default;
    virtual FileContents read(const QString &path, qint64 maxBytes) = 0;
};

} // namespace gibbetry
