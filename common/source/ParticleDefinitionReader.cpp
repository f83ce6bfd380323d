#include "ParticleDefinitionReader.h"

#include "lang/Exception.h"
#include "lang/Truncate.h"
#include "lua/LuaTable.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int kMostAnimationLoops = 1000;
/// Sprite indexes are 16 bits wide in a particle.
constexpr int kMostSprites = std::numeric_limits<std::uint16_t>::max();

float numberOr(const lua::LuaTable& table, const char* key, float fallback) {
    return table.isNumber(key) ? table.getNumber(key) : fallback;
}

void readEmitter(const std::string& name, const lua::LuaTable& table, ParticleDefinition& definition) {
    if (table.isTable("emitter_box")) {
        const lua::LuaTable box = table.getTable("emitter_box");
        definition.emitter = ParticleEmitterKind::Box;
        definition.minVelocityX = box.getNumber("minVelX");
        definition.maxVelocityX = box.getNumber("maxVelX");
        definition.minVelocityY = box.getNumber("minVelY");
        definition.maxVelocityY = box.getNumber("maxVelY");
    } else if (table.isTable("emitter_circle")) {
        const lua::LuaTable circle = table.getTable("emitter_circle");
        definition.emitter = ParticleEmitterKind::Circle;
        definition.minSpeed = circle.getNumber("minVel");
        definition.maxSpeed = circle.getNumber("maxVel");
        definition.minEmitterAngle = numberOr(circle, "minAngleEmitter", 0.0f);
        definition.maxEmitterAngle = numberOr(circle, "maxAngleEmitter", 360.0f);
    } else if (table.isTable("emitter_bat")) {
        const lua::LuaTable bat = table.getTable("emitter_bat");
        definition.emitter = ParticleEmitterKind::Bat;
        definition.batTargetX = bat.getNumber("targetX");
        definition.batTargetY = bat.getNumber("targetY");
    } else {
        throw lang::Exception(lang::Format("The particle definition \"{0}\" has no emitter", name));
    }
}

} // namespace

ParticleDefinition readParticleDefinition(const std::string& name, const lua::LuaTable& table) {
    ParticleDefinition definition;
    if (table.isTable("sprites")) {
        const lua::LuaTable sprites = table.getTable("sprites");
        for (int i = 1; i <= kMostSprites && sprites.isString(i); ++i)
            definition.spriteNames.push_back(sprites.getString(i));
    }
    definition.lifeTime = table.getNumber("lifeTime");
    definition.gravityX = table.getNumber("gravityX");
    definition.gravityY = table.getNumber("gravityY");
    definition.minAngleVelocity = table.getNumber("minAngleVel");
    definition.maxAngleVelocity = table.getNumber("maxAngleVel");
    definition.minScaleBegin = table.getNumber("minScaleBegin");
    definition.maxScaleBegin = table.getNumber("maxScaleBegin");
    definition.minScaleEnd = table.getNumber("minScaleEnd");
    definition.maxScaleEnd = table.getNumber("maxScaleEnd");
    definition.randomizeBirthPosition =
        !table.isBoolean("randomizeBirthPosition") || table.getBoolean("randomizeBirthPosition");
    definition.animated = table.getString("animation") == "lifeTime";
    definition.animationLoops =
        std::clamp(lang::truncateTo<int>(numberOr(table, "animationLoop", 1.0f)), 1, kMostAnimationLoops);
    definition.alwaysLoad = table.isBoolean("alwaysLoad") && table.getBoolean("alwaysLoad");
    readEmitter(name, table, definition);
    if (table.isTable("particle_target")) {
        const lua::LuaTable target = table.getTable("particle_target");
        definition.targeted = true;
        definition.targetX = target.getNumber("targetX");
        definition.targetY = target.getNumber("targetY");
        const float killEarly = numberOr(target, "killEarlyPercent", 1.0f);
        definition.killEarly = killEarly > 0.0f ? killEarly : 1.0f;
    }
    return definition;
}
