// The dynamic asset handler's script functions and the load lists it reads from the scripts.
#include "DynamicHandlerLua.h"

#include "game/LuaArguments.h"
#include "lang/Log.h"
#include "lang/Truncate.h"
#include "lua/LuaState.h"
#include "lua/LuaType.h"

namespace {

/// The texts of `table` at 1, 2, ... up to the first that is missing.
std::vector<std::string> textsOf(const lua::LuaTable& table) {
    std::vector<std::string> texts;
    for (int i = 1; table.isString(i); ++i)
        texts.push_back(table.getString(i));
    return texts;
}

} // namespace

DynamicHandlerLua::DynamicHandlerLua(lua::LuaState& state, game::Resources& resources, const std::string& basePath,
                                     const lua::LuaTable& game)
    : lua::LuaObject(state), m_handler(resources, basePath, *this) {
    set("gamelua", game);
    registerMethod("addreq", &DynamicHandlerLua::addreq);
    registerMethod("load", &DynamicHandlerLua::load);
    registerMethod("queueload", &DynamicHandlerLua::queueload);
    registerMethod("loadqueued", &DynamicHandlerLua::loadqueued);
    registerMethod("release", &DynamicHandlerLua::release);
    registerMethod("delayrelease", &DynamicHandlerLua::delayrelease);
    registerMethod("clear", &DynamicHandlerLua::clear);
    registerMethod("delayclear", &DynamicHandlerLua::delayclear);
    registerMethod("reload", &DynamicHandlerLua::reload);
    registerMethod("printloaded", &DynamicHandlerLua::printloaded);
}

int DynamicHandlerLua::addreq(lua::LuaState& lua) {
    const int table = firstArgument();
    lua.checkType(table, lua::LuaType::Table);
    lua.pushNil();
    while (lua.next(table)) {
        if (lua.getType(-2) != lua::LuaType::String)
            LOG_WARNING("Game", "Invalid requirement id in dynamic asset profile, should be a string");
        else
            m_handler.addRequirement(lua.toString(-2),
                                     lua.isTable(-1) ? textsOf(lua.toTable(-1)) : std::vector<std::string>{});
        lua.pop(1);
    }
    return 0;
}

int DynamicHandlerLua::load(lua::LuaState& lua) {
    for (const std::string& id : requirementIds(lua))
        m_handler.makeCurrent(id);
    m_handler.loadQueued(std::nullopt);
    return 0;
}

int DynamicHandlerLua::queueload(lua::LuaState& lua) {
    for (const std::string& id : requirementIds(lua))
        m_handler.makeCurrent(id);
    return 0;
}

int DynamicHandlerLua::loadqueued(lua::LuaState& lua) {
    const int index = firstArgument();
    const std::optional<int> limit = game::isOmitted(lua, index) ? std::nullopt : std::optional(lua.toInteger(index));
    lua.pushNumber(static_cast<float>(m_handler.loadQueued(limit)));
    return 1;
}

int DynamicHandlerLua::release(lua::LuaState& lua) {
    for (const std::string& id : requirementIds(lua))
        m_handler.removeCurrent(id, false);
    return 0;
}

int DynamicHandlerLua::delayrelease(lua::LuaState& lua) {
    for (const std::string& id : requirementIds(lua))
        m_handler.removeCurrent(id, true);
    return 0;
}

void DynamicHandlerLua::clear() { m_handler.clear(false); }

void DynamicHandlerLua::delayclear() { m_handler.clear(true); }

void DynamicHandlerLua::reload() { m_handler.reload(); }

void DynamicHandlerLua::printloaded() {}

int DynamicHandlerLua::firstArgument() const {
    // Scripts may call the functions as methods (handler:load(...)) or plainly (handler.load(...)).
    return isSelf(1) ? 2 : 1;
}

std::vector<std::string> DynamicHandlerLua::requirementIds(lua::LuaState& lua) {
    const int index = firstArgument();
    if (lua.isTable(index))
        return textsOf(lua.toTable(index));
    if (lua.getType(index) == lua::LuaType::String)
        return {lua.toString(index)};
    return {};
}

std::string DynamicHandlerLua::profileFor(const std::string& group) { return callGame("selectAssetProfile", group); }

std::optional<std::vector<LoadListEntry>> DynamicHandlerLua::entries(const std::string& profile,
                                                                     const std::string& group) {
    callGame("loadLoadList", profile);
    const lua::LuaTable game = getTable("gamelua");
    if (!game.isTable("loadlist") || !game.getTable("loadlist").isTable(profile))
        return std::nullopt;
    const lua::LuaTable list = game.getTable("loadlist").getTable(profile);
    if (!list.isTable(group))
        return std::nullopt;
    const lua::LuaTable groupEntries = list.getTable(group);
    std::vector<LoadListEntry> found;
    for (int i = 1; groupEntries.isTable(i); ++i) {
        const lua::LuaTable entry = groupEntries.getTable(i);
        found.push_back({entry.getString(1), lang::truncateTo<int>(entry.getNumber(2))});
    }
    return found;
}

std::string DynamicHandlerLua::callGame(const char* name, const std::string& argument) {
    lua::LuaState& lua = state();
    lua.pushTable(getTable("gamelua"));
    lua.pushString(name);
    lua.rawGet(-2);
    lua.pushString(argument);
    lua.call(1, 1, name);
    std::string result = lua.isString(-1) ? lua.toString(-1) : "";
    lua.pop(2);
    return result;
}
