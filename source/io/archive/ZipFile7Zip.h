#pragma once

#include "io/ZipFile.h"

struct archive;
struct archive_entry;

namespace io {

/// 7z archives through libarchive, from a copy of the source's bytes in memory.
///
/// libarchive reads an archive forwards only, so one reader is kept open after the entry it
/// last extracted: taking entries in order decodes each solid block once, and going back
/// starts a new reader.
class ZipFile7Zip : public ZipFile {
public:
    ZipFile7Zip();
    ~ZipFile7Zip() override;

    /// Reads what is left of `source` into memory and opens it as a 7z archive.
    int open(InputStream& source) override;
    /// Lists the files; folders are left out, so entry indexes count files only.
    int listEntries(std::vector<std::string>& names) override;
    /// Decompresses file `index` (counted as in `listEntries`).
    int extract(int index, std::vector<uint8_t>& bytes) override;

private:
    /// Starts a reader at the first header; answers libarchive's status.
    int startReader();
    /// Moves the reader to the next file's header, skipping folders, and sets `entry` to it;
    /// answers libarchive's status (`ARCHIVE_EOF` after the last header).
    int nextFile(archive_entry*& entry);
    void closeReader();

    std::vector<uint8_t> m_bytes;
    archive* m_reader = nullptr;
    /// The index the next file header of `m_reader` has.
    int m_nextIndex = 0;
};

} // namespace io
