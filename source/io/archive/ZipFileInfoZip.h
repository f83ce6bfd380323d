#pragma once

#include "io/ZipFile.h"
#include "lang/Ref.h"

#include <memory>

namespace io {

class UnzipFileFunctions;

/// Zip archives through minizip's unzip interface, reading the source stream in place.
class ZipFileInfoZip : public ZipFile {
public:
    ZipFileInfoZip();
    ~ZipFileInfoZip() override;

    /// Answers 1 when minizip cannot open the archive and it is not the empty archive either. A
    /// source that cannot tell its length is read into memory first.
    int open(InputStream& source) override;
    /// Lists every entry with its full name, folders included.
    int listEntries(std::vector<std::string>& names) override;
    /// Decompresses entry `index` and checks its length and CRC.
    int extract(int index, std::vector<uint8_t>& bytes) override;

private:
    /// Where minizip finds an entry's header again without walking the directory.
    struct EntryPosition {
        unsigned long directoryOffset;
        unsigned long fileNumber;
    };

    /// Raises the source stream's exception from the last library call, if there was one,
    /// and otherwise passes `result` on.
    int checked(int result);

    lang::Ref<InputStream> m_memoryCopy;
    std::unique_ptr<UnzipFileFunctions> m_functions;
    /// Null for the archive without entries, which minizip cannot open.
    void* m_unzip = nullptr;
    std::vector<EntryPosition> m_positions;
};

} // namespace io
