#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lang {

/// The 64-bit FNV-1a hash, fed byte by byte: cheap, stable across platforms and builds, and not
/// for anything an adversary chooses.
class Fnv1a {
public:
    /// Takes in `count` bytes from `bytes`.
    void add(const void* bytes, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i)
            m_value = (m_value ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
    }
    void add(std::string_view text) { add(text.data(), text.size()); }
    /// The hash of everything taken in so far.
    std::uint64_t value() const { return m_value; }

private:
    std::uint64_t m_value = 14695981039346656037ull;
};

} // namespace lang
