// Frame and view state: clear colour, update and physics switches, camera values, level limits.
#include "GameLua.h"
#include "lang/Exception.h"

#include "ColourBytes.h"
#include "framework/App.h"
#include "framework/OSInterface.h"
#include "renderer/Context.h"

void GameLua::registerViewNatives() {
    registerMethod("setBGColor", &GameLua::setBGColor);
    registerMethod("setPhysicsSimulationScale", &GameLua::setPhysicsSimulationScale);
    registerMethod("setPhysicsEnabled", &GameLua::setPhysicsEnabled);
    registerMethod("isPhysicsEnabled", &GameLua::isPhysicsEnabled);
    registerMethod("setTopLeft", &GameLua::setTopLeft);
    registerMethod("setEditing", &GameLua::setEditing);
    registerMethod("setWorldScale", &GameLua::setWorldScale);
    registerMethod("setAlpha", &GameLua::setAlpha);
    registerMethod("setLevelLimits", &GameLua::setLevelLimits);
    registerMethod("setGameOn", &GameLua::setGameOn);
    registerMethod("setMaxTranslation", &GameLua::setMaxTranslation);
    registerMethod("setUpdating", &GameLua::setUpdating);
}

// setBGColor(r, g, b): components 0..255; the top byte stays 0
void GameLua::setBGColor(float red, float green, float blue) {
    m_backgroundColour = packArgb(0, byteComponent(red), byteComponent(green), byteComponent(blue));
}

// setUpdating(updating)
void GameLua::setUpdating(bool updating) { m_updating = updating; }

// setEditing(editing)
void GameLua::setEditing(bool editing) { m_editing = editing; }

// setPhysicsEnabled(enabled)
void GameLua::setPhysicsEnabled(bool enabled) { m_physicsEnabled = enabled; }

// isPhysicsEnabled() -> bool
bool GameLua::isPhysicsEnabled() { return m_physicsEnabled; }

// setPhysicsSimulationScale(scale)
void GameLua::setPhysicsSimulationScale(float scale) { m_view.simulationScale = scale; }

// setTopLeft(x, y)
void GameLua::setTopLeft(float x, float y) {
    m_view.topLeftX = x;
    m_view.topLeftY = y;
}

// setWorldScale(scale)
void GameLua::setWorldScale(float scale) { m_view.worldScale = scale; }

// setLevelLimits(left, top, right, bottom): only the horizontal limits are used
void GameLua::setLevelLimits(int left, float, int right, float) {
    m_view.leftLimit = left;
    m_view.rightLimit = right;
}

// setMaxTranslation(translation): world units per step, for every body
void GameLua::setMaxTranslation(float translation) {
    try {
        PhysicsWorld::setMaxTranslation(translation);
    } catch (const lang::Exception& error) {
        throw lang::Exception(lang::Format("setMaxTranslation: {0}", error.what()));
    }
}

// setAlpha(alpha)
void GameLua::setAlpha(float alpha) { m_context.state().alpha = alpha; }

// setGameOn(on): the platform is told whether the game is idle
void GameLua::setGameOn(bool on) { m_app.os().setGameOn(!on); }
