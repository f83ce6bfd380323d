#include "OutputFiles.h"

#include "io/FileInputStream.h"
#include "io/ReadAll.h"
#include "lang/Exception.h"

#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace datatool {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readFile(const fs::path& path) {
    io::FileInputStream stream(path.string());
    return io::readAll(stream);
}

StagedFile::StagedFile(fs::path target) : m_target(std::move(target)) {
    if (m_target.has_parent_path())
        fs::create_directories(m_target.parent_path());
    // The process id keeps two runs writing the same output from sharing a temporary file.
    m_temporary = m_target;
    m_temporary += ".tmp" + std::to_string(::getpid());
}

StagedFile::~StagedFile() {
    if (!m_committed) {
        std::error_code ignored;
        fs::remove(m_temporary, ignored);
    }
}

void StagedFile::write(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(m_temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw lang::Exception(lang::Format("Writing {0} failed", m_temporary.string()));
}

void StagedFile::commit() {
    std::error_code error;
    fs::rename(m_temporary, m_target, error);
    if (error)
        throw lang::Exception(lang::Format("Replacing {0} failed: {1}", m_target.string(), error.message()));
    m_committed = true;
}

void writeFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    StagedFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace datatool
