#pragma once

#include <string>
#include <vector>

/// How a particle definition gives its particles their first velocity.
enum class ParticleEmitterKind : unsigned char {
    /// Each component uniform in its own range.
    Box,
    /// A speed uniform in its range along an angle uniform in its range.
    Circle,
    /// Aimed at a point of the screen, reached at the end of the particle's life.
    Bat,
};

/// One named kind of particle as the scripts describe it in "particleTable".particles. Plain
/// data: pixels, seconds and radians unless a field says otherwise.
struct ParticleDefinition {
    /// The sprites by name; a particle shows one of them, or all in turn when animated.
    std::vector<std::string> spriteNames;
    /// Seconds each particle lives.
    float lifeTime = 0.0f;
    /// Constant acceleration, pixels per second squared (y down).
    float gravityX = 0.0f;
    float gravityY = 0.0f;
    /// Spin range, radians per second.
    float minAngleVelocity = 0.0f;
    float maxAngleVelocity = 0.0f;
    /// Scale ranges at birth and at the end of life.
    float minScaleBegin = 1.0f;
    float maxScaleBegin = 1.0f;
    float minScaleEnd = 1.0f;
    float maxScaleEnd = 1.0f;
    /// Spread births around the emission point.
    bool randomizeBirthPosition = true;
    /// Play the sprites as frames over the particle's life instead of picking one.
    bool animated = false;
    /// How many times the frames play over the life; at least 1.
    int animationLoops = 1;
    /// Read again from the scripts at every emission instead of once.
    bool alwaysLoad = false;

    ParticleEmitterKind emitter = ParticleEmitterKind::Box;
    /// Box: velocity ranges, pixels per second.
    float minVelocityX = 0.0f;
    float maxVelocityX = 0.0f;
    float minVelocityY = 0.0f;
    float maxVelocityY = 0.0f;
    /// Circle: speed range (pixels per second) and direction range (degrees, 0 along +x).
    float minSpeed = 0.0f;
    float maxSpeed = 0.0f;
    float minEmitterAngle = 0.0f;
    float maxEmitterAngle = 360.0f;
    /// Bat: the point aimed at, as fractions of the screen's width and height.
    float batTargetX = 0.0f;
    float batTargetY = 0.0f;

    /// With any emitter: head for (targetX, targetY) instead, arriving after lifeTime divided
    /// by killEarly, and die there.
    bool targeted = false;
    float targetX = 0.0f;
    float targetY = 0.0f;
    float killEarly = 1.0f;
};
