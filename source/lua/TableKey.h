#pragma once

#include <cstddef>
#include <cstring>
#include <string>

namespace lua {

/// A key of a `lua::LuaTable` access in one of its three forms: a string, a character
/// pointer (null stands for nil) or an integer index. It borrows the caller's text for the
/// duration of one call.
class TableKey {
public:
    enum class Kind { Nil, String, Index };

    TableKey(const char* name)
        : m_kind(name ? Kind::String : Kind::Nil), m_name(name), m_length(name ? std::strlen(name) : 0) {}
    TableKey(const std::string& name) : m_kind(Kind::String), m_name(name.data()), m_length(name.size()) {}
    TableKey(int index) : m_kind(Kind::Index), m_index(index) {}

    Kind kind() const { return m_kind; }
    /// The text of a string key (may hold zero bytes); null for the other kinds.
    const char* name() const { return m_name; }
    size_t length() const { return m_length; }
    int index() const { return m_index; }

private:
    Kind m_kind;
    const char* m_name = nullptr;
    size_t m_length = 0;
    int m_index = 0;
};

} // namespace lua
