#pragma once

#include "AssetLoadLists.h"
#include "DynamicHandler.h"
#include "lua/LuaObject.h"

#include <string>
#include <vector>

namespace game {
class Resources;
}
namespace lua {
class LuaState;
}

/// The script object of the dynamic asset handler: its functions "addreq", "load", "queueload",
/// "loadqueued", "release", "delayrelease", "clear", "delayclear", "reload" and "printloaded"
/// drive a `DynamicHandler`, whose load lists it reads through its field "gamelua" (the game's
/// table): the functions `selectAssetProfile`(group) and `loadLoadList`(profile) and the table
/// "loadlist" (profile -> group -> array of {file, type}). Requirement ids are the first
/// argument (after the object itself in a method call): one text or an array of texts.
/// Main thread only.
class DynamicHandlerLua : public lua::LuaObject, private AssetLoadLists {
public:
    /// Files are looked for under `basePath`; `game` becomes the field "gamelua". `resources`
    /// must outlive the object.
    DynamicHandlerLua(lua::LuaState& state, game::Resources& resources, const std::string& basePath,
                      const lua::LuaTable& game);

private:
    // addreq({id = {group, ...}, ...}): a key that is no text is logged and skipped
    int addreq(lua::LuaState& lua);
    // load(ids): makes them current and loads everything queued at once
    int load(lua::LuaState& lua);
    // queueload(ids): makes them current; "loadqueued" does the loading
    int queueload(lua::LuaState& lua);
    // loadqueued([n]) -> number of loads meant
    int loadqueued(lua::LuaState& lua);
    // release(ids)
    int release(lua::LuaState& lua);
    // delayrelease(ids): lowers the counts, releasing nothing
    int delayrelease(lua::LuaState& lua);
    void clear();
    void delayclear();
    void reload();
    void printloaded();

    /// The stack index of the first argument: 2 when the call is a method call on this object.
    int firstArgument() const;
    /// The requirement ids of the first argument.
    std::vector<std::string> requirementIds(lua::LuaState& lua);

    std::string profileFor(const std::string& group) override;
    std::optional<std::vector<LoadListEntry>> entries(const std::string& profile, const std::string& group) override;
    /// Calls gamelua.`name`(`argument`): the text of its first result, "" when it gives none.
    std::string callGame(const char* name, const std::string& argument);

    DynamicHandler m_handler;
};
