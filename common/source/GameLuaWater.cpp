// The water: while the scripts' "objects" has a "waterLevel", objects below the surface float
// up, are slowed, splash on their way in and out, and blocks that come to rest deep down sink
// for good. Runs once per physics step, before the world steps.
#include "ColliderType.h"
#include "GameLua.h"
#include "WaterForce.h"
#include "lang/Exception.h"
#include "lua/TableFields.h"

#include <cmath>

namespace {

/// A body's angular damping doubles as its in-water mark: the water's when it is in, none out.
constexpr float kDryDamping = 0.0f;
constexpr float kWetDamping = 0.5f;
/// Seconds into a level before anything splashes: the level's objects settle in silence.
constexpr float kQuietStart = 2.0f;
/// Leaving faster than this (world units per second) splashes; entering faster than the second
/// splashes big.
constexpr float kSplashSpeed = 5.0f;
constexpr float kBigSplashSpeed = 15.0f;
constexpr int kSplashParticles = 3;
/// Pixels the splash particles spread over, both ways.
constexpr float kSplashSpread = 10.0f;
/// Slower than this (world units per second) an object in the water counts as still; still for
/// that long (seconds), it floats no more, so that a block lying on the bottom can settle.
constexpr float kStillSpeed = 0.5f;
constexpr float kStillTime = 2.0f;

enum WaterField { kHoming, kFloatability, kEggGrenade, kTimeWithoutMoving, kWaterTimerIsActive, kStrength };
constexpr const char* kWaterFields[] = {
    "homing", "floatability", "isEggGrenade", "timeWithoutMoving", "waterTimerIsActive", "strength"};

/// What one pass reads once.
struct Water {
    /// The surface lies at y = -level (world units, y down).
    float level = 0.0f;
    float fullDepth = 0.0f;
    float gravityY = 0.0f;
    /// Seconds since the level started.
    float levelTime = 0.0f;
};

/// What the pass must do for an object once the water is done with its body and table.
struct Soaking {
    /// The splash particles' name, or null for no splash.
    const char* splash = nullptr;
    bool sinks = false;
};

float speedOf(Vector2 velocity) { return std::hypot(velocity.x, velocity.y); }

/// Counts the time an object in the water stays still; false once it has been still long enough
/// to float no more.
bool keepsFloating(float speed, lua::TableFields& fields, float dt) {
    if (speed >= kStillSpeed) {
        fields.set(kTimeWithoutMoving, 0.0f);
        return true;
    }
    const float stillFor = fields.getNumber(kTimeWithoutMoving);
    if (stillFor >= kStillTime)
        return false;
    fields.set(kTimeWithoutMoving, stillFor + dt);
    return true;
}

/// Works out the water's force on an object at `depth` and applies it as "applyForceNative" would.
void applyWaterForce(GameObject& object, const Water& water, float depth, lua::TableFields& fields) {
    PhysicsBody& body = object.body;
    SubmergedObject submerged;
    submerged.depth = depth;
    submerged.fullDepth = water.fullDepth;
    submerged.gravityY = water.gravityY;
    submerged.mass = body.mass();
    submerged.velocity = body.linearVelocity();
    submerged.angle = body.angle();
    submerged.circle = object.shapeKind == ShapeKind::Circle;
    submerged.dragRadius = submerged.circle ? object.radius : 1.0f;
    submerged.bird = object.colliderType == collider::kShotBird;
    if (!fields.isNil(kFloatability))
        submerged.floatability = fields.getNumber(kFloatability);
    submerged.eggGrenade = fields.isTrue(kEggGrenade);
    const WaterPush push = waterForce(submerged);
    // Box2D has no defence against a non-finite force: one would poison every body it touches.
    if (!std::isfinite(push.force.x) || !std::isfinite(push.force.y))
        throw lang::Exception(lang::Format("The water cannot push \"{0}\" with the force ({1}, {2})", object.name,
                                           push.force.x, push.force.y));
    const Vector2 position = body.position();
    body.applyForce(push.force, {position.x + push.offsetX, position.y});
}

/// The water's work on one object whose table `fields` has selected.
Soaking soak(GameObject& object, const Water& water, lua::TableFields& fields, float dt) {
    Soaking soaking;
    if (fields.isTrue(kHoming))
        return soaking;
    PhysicsBody& body = object.body;
    const float y = body.position().y;
    const float depth = y + water.level;
    const bool movable = body.mass() != 0.0f;
    if (y > -water.level && body.isAwake() && movable) {
        const float speed = speedOf(body.linearVelocity());
        if (body.angularDamping() == kDryDamping) {
            if (water.levelTime > kQuietStart)
                soaking.splash = speed < kBigSplashSpeed ? "waterSplashUp" : "waterSplash";
            body.setAngularDamping(kWetDamping);
            fields.set(kWaterTimerIsActive, true);
        }
        if (keepsFloating(speed, fields, dt))
            applyWaterForce(object, water, depth, fields);
    } else if (y <= -water.level && body.angularDamping() != kDryDamping) {
        // Only what the water marked can leave it: a new object (damping 1 from its creation)
        // first seen in the air does not splash there.
        const bool wasWet = body.angularDamping() == kWetDamping;
        body.setAngularDamping(kDryDamping);
        fields.set(kWaterTimerIsActive, false);
        if (wasWet && water.levelTime > kQuietStart && speedOf(body.linearVelocity()) > kSplashSpeed)
            soaking.splash = "waterSplashUp";
    }
    // A sleeping body is one at rest: it is checked too, or a block on the bottom never sinks.
    // A body without mass cannot sink.
    soaking.sinks = object.colliderType == collider::kSinker && movable && y > -water.level &&
                    depth >= water.fullDepth && body.linearVelocity().y == 0.0f;
    return soaking;
}

} // namespace

void GameLua::runWaterPass(float dt) {
    if (m_objectsTable.isNil("waterLevel"))
        return;
    Water water;
    water.level = m_objectsTable.getNumber("waterLevel");
    water.fullDepth = fullBuoyancyDepth(getNumber("waterMaxBuoyancyDepth"));
    water.gravityY = m_world->gravity().y;
    water.levelTime = getNumber("timeSinceLevelStart");
    lua::TableFields fields(state(), kWaterFields);
    for (auto entry = m_objects.begin(); entry != m_objects.end();) {
        GameObject& object = *entry->second;
        fields.select(object.table);
        const Soaking soaking = soak(object, water, fields, dt);
        if (soaking.sinks) {
            fields.set(kStrength, 0.0f);
            m_deadBlocks.set(object.name, object.table);
        }
        if (!soaking.splash) {
            ++entry;
            continue;
        }
        // The scripts may add or remove objects while they hear the splash: go on by name.
        const std::string name = entry->first;
        splashWater(soaking.splash, object.body.position(), object.colliderType == collider::kShotBird);
        entry = m_objects.upper_bound(name);
    }
}

void GameLua::splashWater(const char* particles, Vector2 position, bool bird) {
    const float toParticles = particleUnitScale();
    ParticleEmission emission;
    emission.x = position.x * toParticles;
    emission.y = position.y * toParticles;
    emission.spreadX = emission.spreadY = kSplashSpread;
    particleSystem().emit(ParticleListKind::InGame, m_particles->definitionFor(particles), kSplashParticles, emission,
                          false);
    callScript("playWaterSplash", {bird});
}
