// Particles: the particle system's creation, its drawing natives, and its share of the frame.
#include "GameLua.h"

#include "renderer/Context.h"

void GameLua::registerParticleNatives() {
    m_particles = new Particles(state(), *this, m_context, m_resources, m_random);
    set("particles", *m_particles);
    registerMethod("clearParticles", &GameLua::clearParticles);
    registerMethod("drawLevelParticlesNative", &GameLua::drawLevelParticlesNative);
    registerMethod("drawMenuParticlesInAdvance", &GameLua::drawMenuParticlesInAdvance);
    registerMethod("loadParticleFile", &GameLua::loadParticleFile);
    registerMethod("drawParticlesNative", &GameLua::drawParticlesNative);
}

// loadParticleFile(): scriptPath .. "/particles.lua" into the global "particleTable"
void GameLua::loadParticleFile() { loadLuaFile(getString("scriptPath") + "/particles.lua", "particleTable"); }

// clearParticles(): empties the in-game, menu and level lists
void GameLua::clearParticles() { particleSystem().clearAll(); }

// drawParticlesNative(): the in-game particles through the camera
void GameLua::drawParticlesNative() {
    particleSystem().drawScene(ParticleListKind::InGame, {m_view.topLeftX, m_view.topLeftY, m_view.worldScale}, 0);
}

// drawMenuParticlesInAdvance(): the menu particles now, instead of at the end of the frame
void GameLua::drawMenuParticlesInAdvance() {
    m_particlesDrawn = true;
    m_particles->drawMenu();
}

// drawLevelParticlesNative(layer): the level particles of one group through the camera; 0 draws all
void GameLua::drawLevelParticlesNative(int layer) {
    particleSystem().drawScene(ParticleListKind::Level, {m_view.topLeftX, m_view.topLeftY, m_view.worldScale}, layer);
}

float GameLua::particleUnitScale() { return isNumber("physicsToWorld") ? getNumber("physicsToWorld") : kPixelsPerUnit; }

void GameLua::resetParticles() {
    particleSystem().clearAll();
    particleSystem().resetLimits();
}

void GameLua::advanceWorldParticles(float dt) {
    particleSystem().update(ParticleListKind::Level, dt);
    particleSystem().update(ParticleListKind::InGame, dt);
}

void GameLua::finishParticleFrame(float dt) {
    particleSystem().update(ParticleListKind::Menu, dt);
    if (m_particlesDrawn)
        return;
    gr::RenderState& state = m_context.state();
    state.translateX = 0.0f;
    state.translateY = 0.0f;
    state.scaleX = 1.0f;
    state.scaleY = 1.0f;
    m_particles->drawMenu();
}
