// The frame update and the reaction to the window's activation.
#include "GameLua.h"

#include "CameraZoom.h"
#include "framework/App.h"
#include "framework/KeyCodes.h"
#include "renderer/Context.h"

#include <cstdint>
#include <string>

void GameLua::update(float dt) {
    runAudioWatchdog();
    deliverDueNotifications(dt);
    m_safeToQuit = getBoolean("g_safeToQuit");
    set("screenWidth", m_context.width());
    set("screenHeight", m_context.height());
    // While a wheel zoom runs, the scripts' zoom level follows half of it, frame by frame.
    if (m_zoom.zoom() != m_zoom.zoomBeforeWheel())
        set("zoomLevel", getNumber("zoomLevel") + (m_zoom.zoom() - m_zoom.zoomBeforeWheel()) * 0.5f);
    m_particlesDrawn = false;
    publishTouches();
    readAccelerometer();
    m_levelClock += dt;
    if (m_physicsEnabled)
        updatePhysics(dt);
    playRollingSounds();
    deliverOnlineResults();
    callScript("update", {dt, dt});
    // The scenery moves only while the world runs; menus move always.
    if (m_physicsEnabled) {
        driftThemeSprites(dt);
        advanceWorldParticles(dt);
    }
    finishParticleFrame(dt);
}

void GameLua::publishTouches() {
    lua::LuaTable touches(state());
    const auto& points = m_app.touches();
    int count = static_cast<int>(points.size());
    for (const framework::TouchPoint& point : points) {
        lua::LuaTable position(state());
        position.set("x", point.x);
        position.set("y", point.y);
        touches.set(std::to_string(static_cast<std::int32_t>(point.id)), position);
    }
    // Without a touch screen a held left button is touch "1" at the cursor.
    if (points.empty() && m_app.isKeyDown(framework::kKeyLButton)) {
        lua::LuaTable position(state());
        position.set("x", m_cursor.getNumber("x"));
        position.set("y", m_cursor.getNumber("y"));
        touches.set("1", position);
        count = 1;
    }
    set("touches", touches);
    set("touchcount", count);
}

void GameLua::setActive(bool active) {
    if (!m_gameLogicLoaded)
        return;
    applyNotificationSettings();
    callScript(active ? "gameResumed" : "gamePaused");
}
