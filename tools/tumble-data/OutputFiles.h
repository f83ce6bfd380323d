#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace datatool {

/// The whole content of `path`; raises `io::IOException` naming it when it cannot be read.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path);

/// An output written under a temporary name beside its target and moved over the target only by
/// `commit`, so that a failed run leaves the old file. Destroying it uncommitted removes the
/// temporary file.
class StagedFile {
public:
    /// Creates the target's folder when missing; nothing is written yet.
    explicit StagedFile(std::filesystem::path target);
    ~StagedFile();

    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    /// Where writers put the content before `commit`.
    const std::filesystem::path& temporary() const { return m_temporary; }
    /// Writes `bytes` to the temporary file; raises `lang::Exception` naming it on failure.
    void write(const std::vector<std::uint8_t>& bytes);
    /// Moves the temporary file over the target; raises `lang::Exception` naming the target.
    void commit();

private:
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    bool m_committed = false;
};

/// Writes `bytes` to `path` through a `StagedFile`.
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace datatool
