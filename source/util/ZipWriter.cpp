#include "util/ZipWriter.h"

#include "lang/Exception.h"

#include <minizip/zip.h>

#include <cstring>

namespace util {

/// The archive's bytes and the writer's position in them: minizip seeks back to patch headers.
struct ZipWriter::Output {
    std::vector<std::uint8_t> bytes;
    size_t position = 0;
};

namespace {

voidpf openMemory(voidpf opaque, const char*, int) { return opaque; }

uLong readMemory(voidpf, voidpf, void*, uLong) { return 0; }

uLong writeMemory(voidpf, voidpf stream, const void* buffer, uLong size) {
    auto& output = *static_cast<ZipWriter::Output*>(stream);
    if (output.position + size > output.bytes.size())
        output.bytes.resize(output.position + size);
    std::memcpy(output.bytes.data() + output.position, buffer, size);
    output.position += size;
    return size;
}

long tellMemory(voidpf, voidpf stream) { return static_cast<long>(static_cast<ZipWriter::Output*>(stream)->position); }

long seekMemory(voidpf, voidpf stream, uLong offset, int origin) {
    auto& output = *static_cast<ZipWriter::Output*>(stream);
    size_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        base = output.position;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        base = output.bytes.size();
    output.position = base + offset;
    return 0;
}

int closeMemory(voidpf, voidpf) { return 0; }

int errorMemory(voidpf, voidpf) { return 0; }

} // namespace

ZipWriter::ZipWriter() : m_output(std::make_unique<Output>()) {
    zlib_filefunc_def functions{openMemory, readMemory, writeMemory, tellMemory, seekMemory,
                                closeMemory, errorMemory, m_output.get()};
    m_zip = zipOpen2("memory", APPEND_STATUS_CREATE, nullptr, &functions);
    if (!m_zip)
        throw lang::Exception(lang::Format("Creating a zip archive failed"));
}

ZipWriter::~ZipWriter() {
    if (m_zip)
        zipClose(m_zip, nullptr);
}

void ZipWriter::add(const std::string& name, std::span<const std::uint8_t> content) {
    if (!m_zip)
        throw lang::Exception(lang::Format("Adding {0} to a finished zip archive", name));
    zip_fileinfo info{};
    int result = zipOpenNewFileInZip(m_zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                     Z_BEST_COMPRESSION);
    if (result == ZIP_OK && !content.empty())
        result = zipWriteInFileInZip(m_zip, content.data(), static_cast<unsigned>(content.size()));
    if (result == ZIP_OK)
        result = zipCloseFileInZip(m_zip);
    if (result != ZIP_OK)
        throw lang::Exception(lang::Format("Adding {0} to a zip archive failed with error {1}", name, result));
}

std::vector<std::uint8_t> ZipWriter::finish() {
    const int result = m_zip ? zipClose(m_zip, nullptr) : ZIP_OK;
    m_zip = nullptr;
    if (result != ZIP_OK)
        throw lang::Exception(lang::Format("Finishing a zip archive failed with error {0}", result));
    return std::move(m_output->bytes);
}

} // namespace util
