#pragma once

#include "io/InputStream.h"
#include "io/ZipEntryInputStream.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <memory>
#include <string>
#include <vector>

namespace io {

class ZipFile;

/// A zip or 7z archive read from a stream: lists its entries by name and hands out any entry,
/// any number of times and in any order, as a stream over its decompressed bytes.
///
/// Zip archives list every entry, folders included ("dir/"); 7z archives list files only, so
/// their indexes count files. Not for use by several threads at once.
class ZipFileInputStream : public lang::Object {
public:
    /// Opens the archive in `source` (a zip archive when `zip` is true, else a 7z archive) and
    /// reads its entry names. Raises `lang::Exception` "Error opening 7zip file. Error {0}"
    /// when the archive cannot be opened or its entry list cannot be read.
    ZipFileInputStream(lang::Ref<InputStream> source, bool zip);
    ~ZipFileInputStream() override;

    /// The number of entries.
    int getEntryCount() const;
    /// The name of entry `index`; raises the out-of-bounds `lang::Exception` outside 0 to count - 1.
    const std::string& getEntryName(int index) const;
    /// A new stream over the decompressed content of entry `index`. Raises the out-of-bounds
    /// `lang::Exception` for a bad index, and `io::IOException` naming the entry and the
    /// library's error code when the entry cannot be decompressed intact.
    lang::Ref<ZipEntryInputStream> getEntry(int index);

private:
    void checkIndex(int index) const;

    lang::Ref<InputStream> m_source;
    std::unique_ptr<ZipFile> m_format;
    std::vector<std::string> m_names;
};

} // namespace io
