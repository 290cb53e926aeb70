#pragma once

#include "platform/file_reader.h"

namespace gibbetry {

// What a file that is no regular file is, for the player: "a folder", "a character device".
QString fileKindText(unsigned mode);

// Why such a file is refused, a whole phrase: "it is a folder, not a file".
QString notAFileReason(unsigned mode);

class PosixFileReader final : public FileReader {
public:
    using FileReader::read;
    FileContents read(const QByteArray &path, qint64 maxBytes) override;
};

} // namespace gibbetry
