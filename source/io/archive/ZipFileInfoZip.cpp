#include "io/archive/ZipFileInfoZip.h"

#include "io/ByteArrayInputStream.h"
#include "io/archive/UnzipFileFunctions.h"

#include <minizip/unzip.h>

#include <algorithm>

namespace io {

namespace {

constexpr int kPiece = 4096;
// The declared size of an entry comes from the archive; trust it for a reservation only up to
// this much, so that a damaged header cannot make a huge allocation before any data is read.
constexpr uLong kMaxReservation = 64u << 20;

constexpr int kEndRecordSize = 22;

uint16_t little16(const uint8_t* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }

// minizip takes an end-of-central-directory record found at offset 0 for none found, so it
// refuses the one zip archive that has the record there: the archive without entries, which
// is that record alone, optionally with a comment.
bool isEmptyArchive(InputStream& source) {
    uint8_t record[kEndRecordSize];
    if (!source.seek(0, InputStream::kSeekSet) || source.read(record, kEndRecordSize) != kEndRecordSize)
        return false;
    const bool signature = record[0] == 'P' && record[1] == 'K' && record[2] == 5 && record[3] == 6;
    const bool nothingListed = std::all_of(record + 4, record + 20, [](uint8_t byte) { return byte == 0; });
    return signature && nothingListed && source.available() == little16(record + 20);
}

} // namespace

ZipFileInfoZip::ZipFileInfoZip() = default;

ZipFileInfoZip::~ZipFileInfoZip() {
    if (m_unzip)
        unzClose(m_unzip);
}

int ZipFileInfoZip::checked(int result) {
    m_functions->rethrowStreamError();
    return result;
}

int ZipFileInfoZip::open(InputStream& source) {
    InputStream* archive = &source;
    if (source.available() < 0) {
        m_memoryCopy = new ByteArrayInputStream(source);
        archive = m_memoryCopy.get();
    }
    m_functions = std::make_unique<UnzipFileFunctions>(*archive);
    m_unzip = unzOpen2(nullptr, m_functions->table());
    m_functions->rethrowStreamError();
    return m_unzip || isEmptyArchive(*archive) ? UNZ_OK : 1;
}

int ZipFileInfoZip::listEntries(std::vector<std::string>& names) {
    names.clear();
    m_positions.clear();
    if (!m_unzip)
        return UNZ_OK; // the archive without entries
    unz_global_info global;
    if (const int error = checked(unzGetGlobalInfo(m_unzip, &global)); error != UNZ_OK)
        return error;
    for (uLong i = 0; i < global.number_entry; ++i) {
        if (const int error = checked(i == 0 ? unzGoToFirstFile(m_unzip) : unzGoToNextFile(m_unzip)); error != UNZ_OK)
            return error;
        unz_file_info info;
        if (const int error = checked(unzGetCurrentFileInfo(m_unzip, &info, nullptr, 0, nullptr, 0, nullptr, 0));
            error != UNZ_OK)
            return error;
        // The name is read at its full length: a fixed buffer would cut long names, and
        // minizip leaves a name that fills the buffer unterminated.
        std::string name(info.size_filename, '\0');
        if (const int error =
                checked(unzGetCurrentFileInfo(m_unzip, &info, name.data(), name.size(), nullptr, 0, nullptr, 0));
            error != UNZ_OK)
            return error;
        unz_file_pos position;
        if (const int error = checked(unzGetFilePos(m_unzip, &position)); error != UNZ_OK)
            return error;
        names.push_back(std::move(name));
        m_positions.push_back({position.pos_in_zip_directory, position.num_of_file});
    }
    return UNZ_OK;
}

int ZipFileInfoZip::extract(int index, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (index < 0 || static_cast<size_t>(index) >= m_positions.size())
        return UNZ_PARAMERROR;
    unz_file_pos position{m_positions[static_cast<size_t>(index)].directoryOffset,
                          m_positions[static_cast<size_t>(index)].fileNumber};
    int error = checked(unzGoToFilePos(m_unzip, &position));
    unz_file_info info;
    if (error == UNZ_OK)
        error = checked(unzGetCurrentFileInfo(m_unzip, &info, nullptr, 0, nullptr, 0, nullptr, 0));
    if (error == UNZ_OK)
        error = checked(unzOpenCurrentFile(m_unzip));
    if (error != UNZ_OK)
        return error;

    bytes.reserve(std::min(info.uncompressed_size, kMaxReservation));
    size_t filled = 0;
    int got;
    do {
        bytes.resize(filled + kPiece);
        got = unzReadCurrentFile(m_unzip, bytes.data() + filled, kPiece);
        filled += static_cast<size_t>(std::max(got, 0));
    } while (got > 0);
    bytes.resize(filled);
    // Closing checks the CRC once the whole entry has been read.
    const int closed = unzCloseCurrentFile(m_unzip);
    if (checked(got) < 0)
        return got;
    if (closed != UNZ_OK)
        return closed;
    return filled == info.uncompressed_size ? UNZ_OK : UNZ_BADZIPFILE;
}

} // namespace io
