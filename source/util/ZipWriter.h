#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace util {

/// Builds a zip archive in memory (deflate-compressed entries), for the data tool and for tests
/// that need archives. The engine itself only reads archives.
class ZipWriter {
public:
    /// Starts an empty archive. Raises `lang::Exception` when the zip library cannot start one.
    ZipWriter();
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    /// Appends an entry `name` (folders separated by "/") holding `content`.
    void add(const std::string& name, std::span<const std::uint8_t> content);

    /// Writes the central directory and returns the archive's bytes; no entry can follow.
    std::vector<std::uint8_t> finish();

    /// Where the zip library writes; opaque outside the implementation.
    struct Output;

private:
    std::unique_ptr<Output> m_output;
    void* m_zip = nullptr;
};

} // namespace util
