#include "io/ZipFileInputStream.h"

#include "io/IOException.h"
#include "io/ZipFile.h"
#include "io/archive/ZipFile7Zip.h"
#include "io/archive/ZipFileInfoZip.h"

#include <utility>

namespace io {

ZipFileInputStream::ZipFileInputStream(lang::Ref<InputStream> source, bool zip) : m_source(std::move(source)) {
    if (zip)
        m_format = std::make_unique<ZipFileInfoZip>();
    else
        m_format = std::make_unique<ZipFile7Zip>();
    int error = m_format->open(*m_source);
    // A listing that breaks off is a damaged archive too: a partial list would look complete.
    if (error == 0)
        error = m_format->listEntries(m_names);
    if (error != 0)
        throw lang::Exception(lang::Format("Error opening 7zip file. Error {0}", error));
}

ZipFileInputStream::~ZipFileInputStream() = default;

int ZipFileInputStream::getEntryCount() const { return static_cast<int>(m_names.size()); }

const std::string& ZipFileInputStream::getEntryName(int index) const {
    checkIndex(index);
    return m_names[static_cast<size_t>(index)];
}

lang::Ref<ZipEntryInputStream> ZipFileInputStream::getEntry(int index) {
    checkIndex(index);
    std::vector<uint8_t> bytes;
    // Handing out whatever a failed extraction left behind would pass damaged data off as
    // the entry's content.
    if (const int error = m_format->extract(index, bytes); error != 0)
        throw IOException(lang::Format("Failed to extract \"{0}\" from {1}. Error {2}", m_names[static_cast<size_t>(index)],
                                       m_source->toString(), error));
    return new ZipEntryInputStream(m_names[static_cast<size_t>(index)], std::move(bytes));
}

void ZipFileInputStream::checkIndex(int index) const {
    if (index < 0 || index >= getEntryCount())
        throw lang::Exception(lang::Format("Entry index out of bounds! (index: {0}, size: {1})", index, getEntryCount()));
}

} // namespace io
