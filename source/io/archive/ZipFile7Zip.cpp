#include "io/archive/ZipFile7Zip.h"

#include "io/ReadAll.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <clocale>
#include <locale.h>

namespace io {

namespace {

constexpr size_t kPiece = 64 * 1024;
// The declared size comes from the archive: reserve no more than this much on its word.
constexpr la_int64_t kMaxReservation = 64 << 20;

// libarchive turns the UTF-16 names of a 7z archive into the character set of the current
// locale, which under the default "C" locale is ASCII: other names would come out damaged and
// with a warning. The reader therefore runs with a UTF-8 character type, for this thread only.
class Utf8Names {
public:
    Utf8Names() : m_previous(utf8() ? uselocale(utf8()) : locale_t{}) {}
    ~Utf8Names() {
        if (m_previous)
            uselocale(m_previous);
    }
    Utf8Names(const Utf8Names&) = delete;
    Utf8Names& operator=(const Utf8Names&) = delete;

private:
    static locale_t utf8() {
        static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
        return locale;
    }

    locale_t m_previous;
};

} // namespace

ZipFile7Zip::ZipFile7Zip() = default;

ZipFile7Zip::~ZipFile7Zip() { closeReader(); }

int ZipFile7Zip::open(InputStream& source) {
    m_bytes = readAll(source);
    const Utf8Names names;
    return startReader();
}

int ZipFile7Zip::startReader() {
    closeReader();
    m_reader = archive_read_new();
    if (!m_reader)
        return ARCHIVE_FATAL;
    int status = archive_read_support_format_7zip(m_reader);
    if (status == ARCHIVE_OK)
        status = archive_read_open_memory(m_reader, m_bytes.data(), m_bytes.size());
    if (status != ARCHIVE_OK)
        closeReader();
    return status;
}

void ZipFile7Zip::closeReader() {
    if (m_reader)
        archive_read_free(m_reader);
    m_reader = nullptr;
    m_nextIndex = 0;
}

int ZipFile7Zip::nextFile(archive_entry*& entry) {
    for (;;) {
        const int status = archive_read_next_header(m_reader, &entry);
        if (status != ARCHIVE_OK || archive_entry_filetype(entry) != AE_IFDIR)
            return status;
    }
}

int ZipFile7Zip::listEntries(std::vector<std::string>& names) {
    const Utf8Names utf8Names;
    names.clear();
    if (!m_reader || m_nextIndex != 0) {
        if (const int status = startReader(); status != ARCHIVE_OK)
            return status;
    }
    archive_entry* entry = nullptr;
    int status;
    while ((status = nextFile(entry)) == ARCHIVE_OK) {
        const char* name = archive_entry_pathname_utf8(entry);
        names.emplace_back(name ? name : "");
        ++m_nextIndex;
    }
    if (status != ARCHIVE_EOF) {
        closeReader();
        return status;
    }
    return ARCHIVE_OK;
}

int ZipFile7Zip::extract(int index, std::vector<uint8_t>& bytes) {
    const Utf8Names names;
    bytes.clear();
    if (index < 0)
        return ARCHIVE_FATAL;
    if (!m_reader || index < m_nextIndex) {
        if (const int status = startReader(); status != ARCHIVE_OK)
            return status;
    }
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = nextFile(entry);
        if (status != ARCHIVE_OK) {
            closeReader();
            return status == ARCHIVE_EOF ? ARCHIVE_FATAL : status;
        }
        if (m_nextIndex++ == index)
            break;
    }

    const bool sized = archive_entry_size_is_set(entry);
    const la_int64_t declared = archive_entry_size(entry);
    if (sized)
        bytes.reserve(static_cast<size_t>(std::clamp(declared, la_int64_t{0}, kMaxReservation)));
    size_t filled = 0;
    la_ssize_t got;
    do {
        bytes.resize(filled + kPiece);
        got = archive_read_data(m_reader, bytes.data() + filled, kPiece);
        filled += static_cast<size_t>(std::max(got, la_ssize_t{0}));
    } while (got > 0);
    bytes.resize(filled);
    if (got < 0) {
        closeReader();
        return static_cast<int>(got);
    }
    if (sized && static_cast<la_int64_t>(filled) != declared) {
        closeReader();
        return ARCHIVE_FATAL;
    }
    return ARCHIVE_OK;
}

} // namespace io
