// JSON text to and from the scripts' global tables.
#include "GameLua.h"

#include "lang/Log.h"
#include "lang/Throwable.h"
#include "lua/JSONExporter.h"
#include "lua/JSONImporter.h"

void GameLua::registerJSONNatives() {
    registerMethod("exportLuaTableAsJSON", &GameLua::exportLuaTableAsJSON);
    registerMethod("importJSONToLuaTable", &GameLua::importJSONToLuaTable);
}

// exportLuaTableAsJSON(name) -> the global table as JSON text; empty when it is no table or
// cannot be written
std::string GameLua::exportLuaTableAsJSON(const std::string& name) {
    if (!isTable(name))
        return {};
    try {
        lua::JSONExporter exporter;
        getTable(name).accept(exporter);
        exporter.finish();
        return exporter.text();
    } catch (const lang::Throwable&) {
        lang::log::write("Game", __FILE__, "GameLua::exportLuaTableAsJSON", __LINE__, lang::log::Error,
                         "AN EXCEPTION WAS THROWN");
    }
    return {};
}

// importJSONToLuaTable(text, name): the members of the JSON object go into the global table
void GameLua::importJSONToLuaTable(const std::string& text, const std::string& name) {
    if (isTable(name))
        lua::JSONImporter::import(text, getTable(name));
}
