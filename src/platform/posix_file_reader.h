#pragma once

#include "platform/file_reader.h"

namespace gibbetry {

class PosixFileReader final : public FileReader {
public:
    FileContents read(const QString &path, qint64 maxBytes) override;
};

} // namespace gibbetry
