#include "ParticleEmitter.h"

#include "ParticleRandom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;
constexpr float kRadiansPerDegree = std::numbers::pi_v<float> / 180.0f;

struct Velocity {
    float x = 0.0f;
    float y = 0.0f;
};

/// The velocity that covers (dx, dy) in `seconds`; none for a non-positive time.
Velocity aimed(float dx, float dy, float seconds) {
    if (!(seconds > 0.0f))
        return {};
    return {dx / seconds, dy / seconds};
}

Velocity emitterVelocity(const ParticleDefinition& definition, float x, float y, ScreenSize screen,
                         ParticleRandom& random) {
    switch (definition.emitter) {
    case ParticleEmitterKind::Box: {
        const float vx = random.between(definition.minVelocityX, definition.maxVelocityX);
        return {vx, random.between(definition.minVelocityY, definition.maxVelocityY)};
    }
    case ParticleEmitterKind::Circle: {
        const float speed = random.between(definition.minSpeed, definition.maxSpeed);
        const float angle = random.between(definition.minEmitterAngle, definition.maxEmitterAngle) * kRadiansPerDegree;
        return {speed * std::cos(angle), speed * std::sin(angle)};
    }
    case ParticleEmitterKind::Bat:
        break;
    }
    return aimed(definition.batTargetX * screen.width - x, definition.batTargetY * screen.height - y,
                 definition.lifeTime);
}

Velocity turned(Velocity velocity, float angle) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    return {c * velocity.x - s * velocity.y, s * velocity.x + c * velocity.y};
}

/// The direction of travel in [0, 2π); 0 for a particle at rest.
float heading(Velocity velocity) {
    // Mirroring a particle at rest leaves -0 in x, which atan2 would read as pointing left.
    if (velocity.x == 0.0f && velocity.y == 0.0f)
        return 0.0f;
    float angle = std::atan2(velocity.y, velocity.x);
    if (angle < 0.0f)
        angle += kTwoPi;
    return angle < kTwoPi ? angle : 0.0f;
}

} // namespace

Particle emitParticle(const ParticleDefinition& definition, ParticleDefinitionId id, const ParticleEmission& emission,
                      ScreenSize screen, std::mt19937& generator) {
    ParticleRandom random(generator);
    Particle particle;
    particle.definition = id;
    particle.layer = emission.layer;
    particle.animated = definition.animated;
    particle.x = emission.x;
    particle.y = emission.y;
    if (definition.randomizeBirthPosition) {
        const float reach = random.unit() - 0.5f;
        const float direction = random.unit() * kTwoPi;
        particle.x += std::cos(direction) * reach * emission.spreadX;
        particle.y += std::sin(direction) * reach * emission.spreadY;
    }
    Velocity velocity = emitterVelocity(definition, particle.x, particle.y, screen, random);
    particle.lifetime = definition.lifeTime;
    if (definition.targeted) {
        const float arrival = definition.lifeTime / definition.killEarly;
        velocity = aimed(definition.targetX - particle.x, definition.targetY - particle.y, arrival);
        particle.lifetime = std::min(definition.lifeTime, arrival);
    }
    particle.angularVelocity = random.between(definition.minAngleVelocity, definition.maxAngleVelocity);
    if (definition.emitter != ParticleEmitterKind::Bat && !definition.targeted) {
        if (emission.mirrored) {
            velocity.x = -velocity.x;
            particle.angularVelocity = -particle.angularVelocity;
        }
        if (emission.rotation != 0.0f)
            velocity = turned(velocity, emission.rotation);
    }
    particle.velocityX = velocity.x;
    particle.velocityY = velocity.y;
    particle.angle = heading(velocity);
    particle.scaleBegin = random.between(definition.minScaleBegin, definition.maxScaleBegin);
    particle.scaleEnd = random.between(definition.minScaleEnd, definition.maxScaleEnd);
    particle.scale = particle.scaleBegin;
    const int sprites = static_cast<int>(definition.spriteNames.size());
    if (!definition.animated && sprites > 1)
        particle.sprite = static_cast<std::uint16_t>(random.index(sprites));
    return particle;
}
