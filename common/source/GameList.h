#pragma once

#include <functional>
#include <map>
#include <string>

/// What an installed-games list says about this computer.
struct InstalledGames {
    /// The names of the listed games that are installed, joined with ","; empty when none.
    std::string names;
    /// The list's "gameCount" (0 when it has none or could not be read).
    int gameCount = 0;
};

/// The maker's other games, as an online service or the scripts list them: a JSON object with the
/// integer "gameCount" (missing means 0) and, for i from 0 to gameCount - 1, the member "game_i"
/// (i in decimal), an object with the string "name". Other members are ignored.
class GameList {
public:
    /// Whether the program of a game's name can be opened, that is, whether it is installed.
    using CanOpen = std::function<bool(const std::string& name)>;

    /// Reads `text`. Raises `lang::Exception` "Malformed response" when it is not JSON or its
    /// "gameCount" is no number.
    explicit GameList(const std::string& text);

    /// The listed games that `canOpen` accepts. A list that lacks a game below its count, or a
    /// game's name, yields no names: the error "Failed to parse possible installed games JSON"
    /// is logged from "GameLua::determineInstalledApps" (as for a text that `GameList` refuses,
    /// in `installedIn`).
    InstalledGames installed(const CanOpen& canOpen) const;
    /// `installed` of the list `text`; a text that is no list gives the logged error and nothing.
    static InstalledGames installedIn(const std::string& text, const CanOpen& canOpen);

private:
    /// The names of games 0 to count - 1 that `canOpen` accepts; "Malformed response" for a gap.
    std::string installedNames(const CanOpen& canOpen) const;

    int m_gameCount = 0;
    /// The name of each "game_i" member that has one, by i.
    std::map<int, std::string> m_names;
};
