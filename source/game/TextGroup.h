#pragma once

#include "lang/Object.h"

#include <map>
#include <string>

namespace game {

/// The strings of one language of a text group file, by identifier. Counted.
class TextGroup : public lang::Object {
public:
    ~TextGroup() override;

    /// Stores `text` under `identifier`, replacing what was there.
    void set(const std::string& identifier, std::string text) { m_strings[identifier] = std::move(text); }
    /// The string of `identifier`; an unknown identifier is added with itself as its string (so a
    /// missing translation shows its key), and that is returned.
    const std::string& get(const std::string& identifier);
    /// Number of strings held.
    std::size_t size() const { return m_strings.size(); }

private:
    std::map<std::string, std::string> m_strings;
};

} // namespace game
