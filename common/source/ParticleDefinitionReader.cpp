#include "ParticleDefinitionReader.h"

#include "lang/Exception.h"
#include "lang/Truncate.h"
#include "lua/LuaTable.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

namespace {

constexpr int kMostAnimationLoops = 1000;
/// Sprite indexes are 16 bits wide in a particle.
constexpr int kMostSprites = std::numeric_limits<std::uint16_t>::max();

/// A number of a definition's table (or of one of its emitter tables) and where it goes.
struct NumberField {
    const char* key;
    float ParticleDefinition::*member;
    float fallback = 0.0f;
};

using D = ParticleDefinition;
constexpr NumberField kNumbers[] = {
    {"lifeTime", &D::lifeTime},
    {"gravityX", &D::gravityX},
    {"gravityY", &D::gravityY},
    {"minAngleVel", &D::minAngleVelocity},
    {"maxAngleVel", &D::maxAngleVelocity},
    {"minScaleBegin", &D::minScaleBegin},
    {"maxScaleBegin", &D::maxScaleBegin},
    {"minScaleEnd", &D::minScaleEnd},
    {"maxScaleEnd", &D::maxScaleEnd},
};
constexpr NumberField kBoxNumbers[] = {
    {"minVelX", &D::minVelocityX},
    {"maxVelX", &D::maxVelocityX},
    {"minVelY", &D::minVelocityY},
    {"maxVelY", &D::maxVelocityY},
};
constexpr NumberField kCircleNumbers[] = {
    {"minVel", &D::minSpeed},
    {"maxVel", &D::maxSpeed},
    {"minAngleEmitter", &D::minEmitterAngle, 0.0f},
    {"maxAngleEmitter", &D::maxEmitterAngle, 360.0f},
};
constexpr NumberField kBatNumbers[] = {{"targetX", &D::batTargetX}, {"targetY", &D::batTargetY}};
constexpr NumberField kTargetNumbers[] = {
    {"targetX", &D::targetX}, {"targetY", &D::targetY}, {"killEarlyPercent", &D::killEarly, 1.0f}};

float numberOr(const lua::LuaTable& table, const char* key, float fallback) {
    return table.isNumber(key) ? table.getNumber(key) : fallback;
}

void readNumbers(const lua::LuaTable& table, std::span<const NumberField> fields, ParticleDefinition& definition) {
    for (const NumberField& field : fields)
        definition.*field.member = numberOr(table, field.key, field.fallback);
}

/// The emitter, the first of these that is a table.
struct EmitterTable {
    const char* key;
    ParticleEmitterKind kind;
    std::span<const NumberField> fields;
};
constexpr EmitterTable kEmitters[] = {
    {"emitter_box", ParticleEmitterKind::Box, kBoxNumbers},
    {"emitter_circle", ParticleEmitterKind::Circle, kCircleNumbers},
    {"emitter_bat", ParticleEmitterKind::Bat, kBatNumbers},
};

void readEmitter(const std::string& name, const lua::LuaTable& table, ParticleDefinition& definition) {
    for (const EmitterTable& emitter : kEmitters) {
        if (table.isTable(emitter.key)) {
            definition.emitter = emitter.kind;
            readNumbers(table.getTable(emitter.key), emitter.fields, definition);
            return;
        }
    }
    throw lang::Exception(lang::Format("The particle definition \"{0}\" has no emitter", name));
}

} // namespace

ParticleDefinition readParticleDefinition(const std::string& name, const lua::LuaTable& table) {
    ParticleDefinition definition;
    if (table.isTable("sprites")) {
        const lua::LuaTable sprites = table.getTable("sprites");
        for (int i = 1; i <= kMostSprites && sprites.isString(i); ++i)
            definition.spriteNames.push_back(sprites.getString(i));
    }
    readNumbers(table, kNumbers, definition);
    definition.randomizeBirthPosition =
        !table.isBoolean("randomizeBirthPosition") || table.getBoolean("randomizeBirthPosition");
    definition.animated = table.getString("animation") == "lifeTime";
    definition.animationLoops =
        std::clamp(lang::truncateTo<int>(numberOr(table, "animationLoop", 1.0f)), 1, kMostAnimationLoops);
    definition.alwaysLoad = table.isBoolean("alwaysLoad") && table.getBoolean("alwaysLoad");
    readEmitter(name, table, definition);
    if (table.isTable("particle_target")) {
        definition.targeted = true;
        readNumbers(table.getTable("particle_target"), kTargetNumbers, definition);
        // 0 or less would never arrive.
        if (!(definition.killEarly > 0.0f))
            definition.killEarly = 1.0f;
    }
    return definition;
}
