#include "GameList.h"

#include "lang/Exception.h"
#include "lang/Log.h"
#include "lang/Truncate.h"
#include "lua/JSONImporter.h"
#include "util/JSONVisitor.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

lang::Exception malformedResponse() { return lang::Exception(lang::Format("Malformed response")); }

void logFailure() {
    lang::log::write("Game", __FILE__, "GameLua::determineInstalledApps", __LINE__, lang::log::Error,
                     "Failed to parse possible installed games JSON");
}

/// The i of a member named exactly "game_" followed by i in decimal, as the writer formats it.
std::optional<int> gameIndex(const char* key) {
    constexpr std::string_view kPrefix = "game_";
    const std::string_view name = key ? key : "";
    if (!name.starts_with(kPrefix))
        return std::nullopt;
    const std::string_view digits = name.substr(kPrefix.size());
    int index = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc() || end != digits.data() + digits.size() || std::to_string(index) != digits)
        return std::nullopt;
    return index;
}

/// Collects "gameCount" and the games' names from the top-level object.
class ListReader : public util::JSONVisitor {
public:
    explicit ListReader(int& gameCount, std::map<int, std::string>& names) : m_gameCount(gameCount), m_names(names) {}

    void nullValue(const char* key) override { refuseCount(key); }
    void booleanValue(const char* key, bool) override { refuseCount(key); }
    void numberValue(const char* key, double value) override {
        if (m_depth == 0 && isCount(key))
            m_gameCount = lang::truncateTo<int>(value);
    }
    void stringValue(const char* key, const char* value) override {
        refuseCount(key);
        if (m_depth == 1 && m_game && key && std::string_view(key) == "name")
            m_names.try_emplace(*m_game, value);
    }
    void beginObject(const char* key) override {
        refuseCount(key);
        if (m_depth++ == 0)
            m_game = gameIndex(key);
    }
    void endObject() override { --m_depth; }
    void beginArray(const char* key) override {
        refuseCount(key);
        beginObject(nullptr);
    }
    void endArray() override { endObject(); }

private:
    bool isCount(const char* key) const { return key && std::string_view(key) == "gameCount"; }
    void refuseCount(const char* key) const {
        if (m_depth == 0 && isCount(key))
            throw malformedResponse();
    }

    int& m_gameCount;
    std::map<int, std::string>& m_names;
    int m_depth = 0;
    /// The game whose object is being read, at depth 1.
    std::optional<int> m_game;
};

} // namespace

GameList::GameList(const std::string& text) {
    ListReader reader(m_gameCount, m_names);
    try {
        lua::JSONImporter::walk(text, reader);
    } catch (const lang::Exception&) {
        throw malformedResponse();
    }
}

InstalledGames GameList::installed(const CanOpen& canOpen) const {
    InstalledGames result;
    result.gameCount = m_gameCount;
    try {
        result.names = installedNames(canOpen);
    } catch (const lang::Exception&) {
        logFailure();
    }
    return result;
}

InstalledGames GameList::installedIn(const std::string& text, const CanOpen& canOpen) {
    try {
        return GameList(text).installed(canOpen);
    } catch (const lang::Exception&) {
        logFailure();
        return {};
    }
}

std::string GameList::installedNames(const CanOpen& canOpen) const {
    std::string names;
    for (int i = 0; i < m_gameCount; ++i) {
        const auto game = m_names.find(i);
        if (game == m_names.end())
            throw malformedResponse();
        if (!canOpen(game->second))
            continue;
        if (!names.empty())
            names += ',';
        names += game->second;
    }
    return names;
}
