// Levels: loading a level file, themes, saving an edited level, and the online level check.
//
// A level file is shipped like the scripts, as an enciphered zip archive whose first entry is
// the chunk; it runs in a fresh table without the scripts' globals, because it is data.
#include "GameLua.h"

#include "DataFile.h"
#include "ThemeLayerLua.h"
#include "game/Resources.h"
#include "io/AtomicFileOutputStream.h"
#include "io/ConfinedName.h"
#include "io/IOException.h"
#include "io/PathName.h"
#include "io/ReadAll.h"
#include "io/Uri.h"
#include "io/VirtualFileSystem.h"
#include "io/ZipFileInputStream.h"
#include "lang/Exception.h"
#include "lang/Log.h"
#include "lang/Throwable.h"
#include "lua/LuaState.h"
#include "net/HttpRequest.h"
#include "util/DataKeys.h"
#include "util/EncipheredArchive.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

/// A field a saved level keeps when its value has the type.
struct TypedField {
    const char* key;
    lua::LuaType type;
};

constexpr TypedField kLevelFields[] = {
    {"theme", lua::LuaType::String},           {"birdCameraData", lua::LuaType::Table},
    {"castleCameraData", lua::LuaType::Table}, {"BoomBoxSpawnRect", lua::LuaType::Table},
    {"physicsToWorld", lua::LuaType::Number},  {"joints", lua::LuaType::Table},
    {"counts", lua::LuaType::Table},           {"doNotWaitForMovingObjects", lua::LuaType::Boolean},
    {"themeSprites", lua::LuaType::Table},     {"levelParticles", lua::LuaType::Table},
    {"worldGravity", lua::LuaType::Number},    {"waterLevel", lua::LuaType::Number},
};

constexpr TypedField kObjectFields[] = {
    {"angle", lua::LuaType::Number},       {"x", lua::LuaType::Number},          {"y", lua::LuaType::Number},
    {"name", lua::LuaType::String},        {"definition", lua::LuaType::String}, {"owner", lua::LuaType::Number},
    {"startNumber", lua::LuaType::Number},
};

/// Copies the fields of the table at stack index `source` that have their type into the table
/// at `target` (both absolute indexes, raw reads). The stack is left as it was.
void copyTypedFields(lua::LuaState& lua, int source, int target, std::span<const TypedField> fields) {
    for (const TypedField& field : fields) {
        lua.pushString(field.key);
        lua.pushValue(-1);
        lua.rawGet(source);
        if (lua.getType(-1) == field.type)
            lua.setTable(target);
        else
            lua.pop(2);
    }
}

/// The names (string keys) of the table entries of the table at stack index `world`, sorted.
/// The stack is left as it was.
std::vector<std::string> objectNames(lua::LuaState& lua, int world) {
    std::vector<std::string> names;
    lua.pushNil();
    while (lua.next(world)) {
        if (lua.getType(-2) == lua::LuaType::String && lua.getType(-1) == lua::LuaType::Table)
            names.emplace_back(lua.toString(-2));
        lua.pop(1);
    }
    std::sort(names.begin(), names.end());
    return names;
}

/// The file a level name stands for: the virtual path `file` (such as "/levels/level1.lua")
/// resolved to a file of the data or application-data folder. Raises `io::IOException` for a
/// name that resolves anywhere else or climbs out of its folder.
io::Uri levelFile(const std::string& file) {
    const io::Uri resolved = io::resolve(io::Uri(file));
    const std::string& scheme = resolved.getScheme();
    if ((scheme != "bundle" && scheme != "appdata") || !io::isConfined(resolved.getPath()))
        throw io::IOException(lang::Format("The level file \"{0}\" lies outside the game's folders", file));
    return resolved;
}

/// The longest the online level check may hold the frame that asks for it, connecting and in all.
constexpr std::chrono::milliseconds kLevelCheckTimeout{5000};

/// The body of a GET request for `url`, for the online level check, whatever the status. The
/// request runs on the scripts' thread: the native waits for it anyway, so a worker thread would
/// only add a hand-over. Its short time-outs bound how long a dead server freezes the game.
std::string fetchLevelAvailability(const std::string& url) {
    net::HttpRequest request;
    request.setTimeouts(kLevelCheckTimeout, kLevelCheckTimeout);
    return request.get(url).body;
}

std::vector<ThemeLayer> readLayers(const lua::LuaTable& theme, const char* key,
                                   ThemeLayer (*read)(const lua::LuaTable&), const game::Resources& resources) {
    std::vector<ThemeLayer> layers;
    if (!theme.isTable(key))
        return layers;
    const lua::LuaTable tables = theme.getTable(key);
    for (int i = 1; tables.isTable(i); ++i) {
        ThemeLayer layer = read(tables.getTable(i));
        resolveThemeLayer(layer, resources);
        layers.push_back(std::move(layer));
    }
    return layers;
}

} // namespace

void GameLua::registerLevelNatives() {
    registerMethod("loadLevel", &GameLua::loadLevel);
    registerMethod("getOnlineCheckStatus", &GameLua::getOnlineCheckStatus);
    registerMethod("checkLevelAvailabilityOnline", &GameLua::checkLevelAvailabilityOnline);
    registerMethod("saveLevel", &GameLua::saveLevel);
    registerMethod("setTheme", &GameLua::setTheme);
}

void GameLua::loadBlockTable() { loadLuaFile(getString("scriptPath") + "/blocks.lua", "blockTable"); }

// loadLevel(name, key): empties the world, then loads name + ".lua" into "loadedObjects"; an
// empty key means the data key. A level that does not load is logged and leaves the world empty.
void GameLua::loadLevel(const std::string& name, const std::string& key) {
    m_projectiles.clear();
    m_accumulator = 0.0f;
    m_levelClock = 0.0f;
    m_loading = true;
    try {
        loadBlockTable();
        loadParticleFile();
        bindLevelTables();
        PhysicsWorld::setMaxTranslation(PhysicsWorld::kDefaultMaxTranslation);
        destroyLevelObjects();
        resetParticles();
        m_trajectories.clear();
        try {
            set("loadedObjects", readLevel(name, key));
        } catch (const lang::Throwable& error) {
            lang::log::write("Game", __FILE__, "GameLua::loadLevel", __LINE__, lang::log::Warning,
                             "Unable to load level.");
            LOG_INFO("Game", "%s", error.what());
        }
    } catch (...) {
        // Contacts would be ignored for good.
        m_loading = false;
        throw;
    }
    m_loading = false;
}

lua::LuaTable GameLua::readLevel(const std::string& name, const std::string& key) {
    const io::Uri file = levelFile(name + ".lua");
    const lang::Ref<io::InputStream> input = io::openInputStream(file);
    const std::span<const std::uint8_t> cipherKey =
        key.empty() ? util::dataKey()
                    : std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(key.data()), key.size());
    const lang::Ref<io::ZipFileInputStream> archive =
        util::openEncipheredArchive(io::readAll(*input), cipherKey, file.toString());
    lua::LuaTable level(state());
    level.load(*archive->getEntry(0));
    const io::PathName opened(file.getPath());
    const std::string fileName = std::string(opened.getBaseName()) + opened.getExtension();
    if (!level.isString("filename") || level.getString("filename") != fileName)
        throw lang::Exception(
            lang::Format("The level file {0} names itself \"{1}\"", file.toString(), level.getString("filename")));
    return level;
}

// setTheme(name): the theme blockTable.themes[name]; an unknown theme is an error
void GameLua::setTheme(const std::string& name) {
    if (!isTable("blockTable"))
        loadBlockTable();
    const lua::LuaTable themes = getTable("blockTable").getTable("themes");
    if (!themes.isTable(name))
        throw lang::Exception(lang::Format("setTheme: there is no theme \"{0}\" in blockTable.themes", name));
    const lua::LuaTable theme = themes.getTable(name);
    m_skyColour = readThemeColour(theme, "color");
    m_groundColour = readThemeColour(theme, "groundColor");
    m_backgroundLayers = readLayers(theme, "bgLayers", readBackgroundLayer, m_resources);
    m_foregroundLayers = readLayers(theme, "fgLayers", readForegroundLayer, m_resources);
}

// saveLevel(name, level): the level's settings and its objects' placements, as plain text in
// the data folder; each field only when it has its type, and the file's own name as "filename".
// A failed save keeps the old file.
int GameLua::saveLevel(lua::LuaState& lua) {
    const std::string name = lua.toString(1);
    lua.checkType(2, lua::LuaType::Table);
    lua.pop(lua.getTop() - 2);
    const std::string path = dataFile(m_app, name + ".lua");
    constexpr int kLevel = 2, kSaved = 3, kWorld = 4, kSavedWorld = 6;
    lua.newTable();
    copyTypedFields(lua, kLevel, kSaved, kLevelFields);
    // Level files name themselves, and loading refuses one that does not: without its own name a
    // saved level could never be played again, packed or not.
    const io::PathName savedFile(name);
    lua.pushString("filename");
    lua.pushString(std::string(savedFile.getBaseName()) + ".lua");
    lua.setTable(kSaved);
    lua.pushString("world");
    lua.rawGet(kLevel);
    if (lua.getType(kWorld) == lua::LuaType::Table) {
        lua.pushString("world");
        lua.newTable();
        // The objects go in by name: the order a table lists its entries in depends on the order
        // they went in, so this makes the text depend on the names alone, and a saved level
        // that is loaded and saved again is written as it was.
        for (const std::string& objectName : objectNames(lua, kWorld)) {
            lua.pushString(objectName);
            lua.rawGet(kWorld);
            const int object = lua.getTop();
            lua.pushString(objectName);
            lua.newTable();
            copyTypedFields(lua, object, object + 2, kObjectFields);
            lua.setTable(kSavedWorld);
            lua.pop(1);
        }
        lua.setTable(kSaved);
    }
    const lua::LuaTable saved = lua.toTable(kSaved);
    io::AtomicFileOutputStream output(path);
    saved.serialize(output);
    return 0;
}

// checkLevelAvailabilityOnline(): returns once the service has answered or the request failed
void GameLua::checkLevelAvailabilityOnline() {
    std::string url = getString("LEVEL_URL_BASE");
    if (isTable("settings")) {
        const lua::LuaTable settings = getTable("settings");
        if (settings.isString("uid") && !settings.getString("uid").empty())
            url += "&uid=" + settings.getString("uid");
    }
    m_levelCheck.run(url, fetchLevelAvailability);
}

// getOnlineCheckStatus() -> {status = 0 or 1, today = string, timeToNext = seconds or -1}
lua::LuaTable GameLua::getOnlineCheckStatus() {
    const LevelAvailability result = m_levelCheck.result();
    lua::LuaTable status(state());
    status.set("status", result.status);
    status.set("today", result.today);
    status.set("timeToNext", result.secondsToNext);
    return status;
}
