#pragma once

#include "io/ByteArrayInputStream.h"
#include "io/ReadAll.h"
#include "io/ZipFileInputStream.h"
#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

// Archive fixtures made by data/make-archives.sh, and the checks that the zip and 7z tests share.
namespace ziptest {

/// The text of the "hello.txt" entry of the fixture archives.
inline const std::string kHello = [] {
    std::string hello;
    for (int i = 0; i < 40; ++i)
        hello += "Hello, archive!\n";
    return hello;
}();

using Bytes = std::vector<uint8_t>;

inline Bytes fixture(const std::string& name) {
    std::ifstream in(std::string(TUMBLE_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline lang::Ref<io::ZipFileInputStream> openArchive(const Bytes& bytes, bool zip, const std::string& name = "archive") {
    return new io::ZipFileInputStream(new io::ByteArrayInputStream(bytes, name), zip);
}

inline std::string text(io::InputStream& stream) {
    const Bytes bytes = io::readAll(stream);
    return std::string(bytes.begin(), bytes.end());
}

/// Every entry's name and content, in archive order.
using Contents = std::vector<std::pair<std::string, std::string>>;

inline Contents readEverything(io::ZipFileInputStream& archive) {
    Contents contents;
    for (int i = 0; i < archive.getEntryCount(); ++i)
        contents.emplace_back(archive.getEntryName(i), text(*archive.getEntry(i)));
    return contents;
}

/// The message of the `lang::Exception` (or subclass) that `action` raises.
inline std::string raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const lang::Exception& e) {
        return e.message();
    }
    return "(nothing raised)";
}

/// A damaged archive must be refused with a `lang::Exception` (anything else escapes and fails
/// the test), or give back exactly the original content of every entry whose name survived.
inline void expectRefusedOrIntact(const Bytes& damaged, bool zip, const Contents& original, const std::string& what) {
    std::map<std::string, std::string> expected(original.begin(), original.end());
    try {
        lang::Ref<io::ZipFileInputStream> archive = openArchive(damaged, zip);
        for (const auto& [name, content] : readEverything(*archive)) {
            if (expected.count(name)) {
                EXPECT_EQ(content, expected[name]) << what << ", entry " << name;
            }
        }
    } catch (const lang::Exception&) {
    }
}

/// Runs `expectRefusedOrIntact` on every truncation and on every single-byte flip of `intact`.
inline void expectEveryDamageHandled(const Bytes& intact, bool zip) {
    const Contents original = readEverything(*openArchive(intact, zip));
    for (size_t size = 0; size < intact.size(); ++size)
        expectRefusedOrIntact(Bytes(intact.begin(), intact.begin() + static_cast<std::ptrdiff_t>(size)), zip, original,
                              "truncated to " + std::to_string(size));
    for (size_t at = 0; at < intact.size(); ++at) {
        for (uint8_t mask : {0x01, 0x80}) {
            Bytes damaged = intact;
            damaged[at] ^= mask;
            expectRefusedOrIntact(damaged, zip, original, "byte " + std::to_string(at) + " flipped");
        }
    }
}

/// The offset of the first occurrence of `needle` in `haystack`.
inline size_t find(const Bytes& haystack, const std::string& needle) {
    const Bytes bytes(needle.begin(), needle.end());
    const auto at = std::search(haystack.begin(), haystack.end(), bytes.begin(), bytes.end());
    EXPECT_NE(at, haystack.end()) << needle;
    return static_cast<size_t>(at - haystack.begin());
}

} // namespace ziptest
