#include "GameLua.h"

#include "MachineId.h"
#include "RunSeed.h"
#include "framework/App.h"
#include "framework/OSInterface.h"
#include "lang/Log.h"
#include "lang/Throwable.h"
#include "lua/LuaState.h"
#include "renderer/Context.h"

#include <lua.hpp>

#include <exception>
#include <utility>

namespace {

/// Puts the Lua stack top back on every exit from a scope, exceptions included.
class StackTop {
public:
    explicit StackTop(lua::LuaState& state) : m_state(state), m_top(state.getTop()) {}
    StackTop(const StackTop&) = delete;
    StackTop& operator=(const StackTop&) = delete;
    ~StackTop() { m_state.pop(m_state.getTop() - m_top); }

private:
    lua::LuaState& m_state;
    int m_top;
};

} // namespace

GameLua::GameLua(framework::App& app, CameraZoom& zoom, lua::LuaState& state, gr::Context& context,
                 game::Resources& resources, const PathsAndFlags& paths)
    : lua::LuaObject(state), m_app(app), m_zoom(zoom), m_context(context), m_resources(resources),
      m_deviceId(machineIdentifier()), m_keyPressed(state), m_keyReleased(state), m_keyHold(state), m_cursor(state),
      m_multitouchSweep(state), m_multitouchZoom(state), m_clippedText(state), m_objectsTable(state), m_nuked(state),
      m_worldTable(state), m_deadBlocks(state), m_blockTable(state),
      m_random(streamSeed(app.os().runOptions().seed, RandomStream::Engine)),
      m_scriptRandom(app.os().runOptions().seed) {
    inheritGlobals();
    m_world = std::make_unique<PhysicsWorld>(kDefaultGravity);
    m_world->setContactHandler(this);

    // Natives, family by family in the order the families first appear in the native list.
    registerTimerNatives();
    registerLoggingNatives();
    registerViewNatives();
    registerDrawingNatives();
    registerLevelNatives();
    registerFileNatives();
    registerDateNatives();
    registerTrajectoryNatives();
    registerPlatformNatives();
    registerJSONNatives();
    registerAudioNatives();
    registerObjectNatives();
    registerCollisionNatives();
    registerBodyNatives();
    registerObjectSettingNatives();
    registerQueryNatives();
    registerJointNatives();
    registerPortalNatives();
    registerParticleNatives();
    registerThemeNatives();
    registerDynamicAssetNatives();
    registerRandomNatives();
    registerTextNatives();
    registerSceneNatives();
    registerAdNatives();
    registerOnlineNatives();
    registerDeviceNatives();
    registerDebugConsoleNatives();
    set("iapEnabled", false);

    set("uniqueDeviceId", m_deviceId);
    set("screenWidth", m_context.width());
    set("screenHeight", m_context.height());
    set("keyPressed", m_keyPressed);
    set("keyReleased", m_keyReleased);
    set("keyHold", m_keyHold);
    set("cursor", m_cursor);
    set("multitouchSweep", m_multitouchSweep);
    set("multitouchZoom", m_multitouchZoom);
    m_multitouchZoom.set("zoomCoolingTime", -1.0f);
    set("clippedText", m_clippedText);
    set("objects", m_objectsTable);
    m_objectsTable.set("world", lua::LuaTable(state));
    m_objectsTable.set("joints", lua::LuaTable(state));

    set("nuked", m_nuked);
    set("highscores", readSavedTable("highscores.lua"));
    set("settings", readSavedTable("settings.lua"));
    set("bi_data", readSavedTable("bi_data.lua"));
    set("ABIDEnabled", false);

    // No store is attached on this platform: its listener registration is accepted and unused.
    registerMethod("registerStoreStatusListener", &GameLua::doNothing);

    set("imagePath", paths.imagePath);
    set("fontPath", paths.fontPath);
    set("audioPath", paths.audioPath);
    set("localizationPath", paths.localizationPath);
    set("levelPath", paths.levelPath);
    set("scriptPath", paths.scriptPath);
    set("commonScriptPath", paths.commonScriptPath);
    set("deviceModel", paths.deviceModel);
    set("isLiteVersion", paths.lite);
    set("isHDVersion", paths.hd);
    set("isBetaVersion", paths.beta);
    bindLevelTables();
}

GameLua::~GameLua() {
    try {
        callScript("calculatePlaytime");
    } catch (const std::exception& error) {
        // The settings are still saved: losing them because a script failed would be worse.
        LOG_ERROR("Game", "calculatePlaytime failed at shut-down: %s", error.what());
    }
    saveTablesAtExit();
}

void GameLua::inheritGlobals() {
    lua::LuaState& owner = state();
    lua_State* L = interpreter();
    StackTop top(owner);
    owner.checkStack(3);
    push();
    lua_newtable(L);
    owner.pushTable(owner.getGlobals());
    lua_setfield(L, -2, "__index");
    lua_setmetatable(L, -2);
}

void GameLua::callScript(const char* name, std::initializer_list<lua::CallArgument> arguments) {
    call(name, arguments);
}

std::optional<std::string> GameLua::takeScreenCapture() { return std::exchange(m_screenCapture, std::nullopt); }

void GameLua::bindLevelTables() {
    if (m_objectsTable.isTable("world"))
        m_worldTable = m_objectsTable.getTable("world");
    if (!isTable("deadBlocks"))
        set("deadBlocks", lua::LuaTable(state()));
    m_deadBlocks = getTable("deadBlocks");
    m_blockTable = isTable("blockTable") ? getTable("blockTable") : lua::LuaTable(state());
}

void GameLua::finishStartUp() {
    loadBlockTable();
    bindLevelTables();
    callScript("createStartUpAssets");
    applyStartingChannelLimits();
}
