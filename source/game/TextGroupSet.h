#pragma once

#include "game/TextGroup.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <map>
#include <string>
#include <vector>

namespace game {

/// One text group file: the languages it offers, and the groups of those languages loaded so
/// far. Languages are loaded on demand from the file, which stays in the game's data folder.
/// "ALL" stands for every language of the file in `load` and `release`. Counted.
class TextGroupSet : public lang::Object {
public:
    /// The set of the file at `path` in the game's data folder; nothing is read yet.
    explicit TextGroupSet(std::string path);
    ~TextGroupSet() override;

    /// Reads the file's list of languages. Raises `io::IOException` for a malformed or
    /// truncated file.
    void readLanguages();
    /// Loads the strings of `language` (or of every language for "ALL"), replacing a group loaded
    /// before. Raises `lang::Exception` "Trying to load TextGroup for language not present in
    /// data file. Language: \"{0}\"" and `io::IOException` "Missing LIDS chunk before TXGP chunk
    /// in file {0}"; a failed load leaves the loaded groups as they were.
    void load(const std::string& language);
    /// The reference count's release stays visible beside the language one (so the set can be
    /// held by a `lang::Ref`).
    using lang::Object::release;
    /// Drops the group of `language` (every group for "ALL"). Raises "Trying to release
    /// TextGroup for language not present in data file. Language: \"{0}\"".
    void release(const std::string& language);
    /// The loaded group of `language`. Raises "Trying to get TextGroup for language which is not
    /// loaded. Language: \"{0}\"" or "... not present in data file ...".
    TextGroup& group(const std::string& language);

    /// The languages of the file, in file order.
    const std::vector<std::string>& languages() const { return m_languages; }
    /// Whether the group of `language` is loaded.
    bool isLoaded(const std::string& language) const { return m_groups.count(language) != 0; }
    const std::string& path() const { return m_path; }

private:
    std::vector<std::string> m_languages;
    std::map<std::string, lang::Ref<TextGroup>> m_groups;
    std::string m_path;
};

} // namespace game
