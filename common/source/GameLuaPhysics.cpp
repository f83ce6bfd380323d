// The physics section of the frame update: fixed steps of 1/30 second with an accumulator, pose
// snapshots and interpolation for drawing, destroy timers, trajectories, and the mirror of every
// object's state into its script table.
#include "ColliderType.h"
#include "GameLua.h"
#include "lua/TableFields.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

/// More than two steps still pending: the poses of this step will never be drawn.
constexpr float kTwoSteps = 0.0666667f;
constexpr int kVelocityIterations = 10;
constexpr int kPositionIterations = 10;
/// Objects that fall below this depth (world units) are frozen.
constexpr float kFreezeDepth = 20.0f;
/// Squared speed above which an object still counts as moving for the shot's end.
constexpr float kMovingSquaredSpeed = 9.0f;
/// Squared speed above which a loose non-bird object counts as moving at all.
constexpr float kToleranceSquaredSpeed = 0.0005f;
constexpr float kMovingAngularSpeed = 0.1f;
constexpr float kPassThroughTurnRate = 1.2f;

/// The fields of the object tables the physics section reads and writes, in `lua::TableFields`
/// order: every frame touches each object's table, so the keys are interned once per pass.
enum Field { kX, kY, kFrozen, kInBubble, kXVel, kYVel, kAngle, kSleeping, kPinkTimer, kBombTimer, kShootDelayTimer };
constexpr const char* kMirrorFields[] = {"x",     "y",        "frozen",    "inBubble",  "xVel",           "yVel",
                                         "angle", "sleeping", "pinkTimer", "bombTimer", "shootDelayTimer"};
enum FrictionField { kFrictionX, kFrictionY };
constexpr const char* kFrictionFields[] = {"frictionXRelative", "frictionYRelative"};

} // namespace

void GameLua::updatePhysics(float dt) {
    updateTeleporters(dt);
    m_accumulator += dt;
    while (m_accumulator >= kStep) {
        callScript("applyForcesAtPhysicsStep");
        runWaterPass(dt);
        applyDirectionalFriction();
        m_world->step(kStep, kVelocityIterations, kPositionIterations);
        m_accumulator -= kStep;
        weldGluedPairs();
        m_world->clearForces();
        callScript("removeBlocks");
        applyPendingVelocities();
        if (m_accumulator > kTwoSteps)
            recordTrajectories(PositionSource::Body);
        else
            takeSnapshots();
    }
    m_world->clearForces();
    callScript("clearLuaForceFunctions");
    interpolatePoses();
    runDestroyTimers(dt);
    recordTrajectories(PositionSource::OlderSnapshot);
    recordTrajectories(PositionSource::Drawn);
    mirrorObjects(dt);
    mirrorJoints();
}

void GameLua::applyDirectionalFriction() {
    lua::TableFields fields(state(), kFrictionFields);
    for (auto& [name, object] : m_objects) {
        fields.select(object->table);
        const float fx = fields.getNumber(kFrictionX);
        const float fy = fields.getNumber(kFrictionY);
        if (fx == 0.0f && fy == 0.0f)
            continue;
        PhysicsBody& body = object->body;
        // The friction direction in the body's frame; the force brakes motion along it.
        const float angle = body.angle();
        const float c = std::cos(angle);
        const float s = std::sin(angle);
        const float norm = c * c + s * s;
        const Vector2 direction{(fx * c + fy * s) / norm, (fy * c - fx * s) / norm};
        const Vector2 velocity = body.linearVelocity();
        const float k = velocity.x * direction.x + velocity.y * direction.y;
        if (k < 0.0f && body.type() == BodyType::Dynamic) {
            body.wake();
            body.applyForceToCenter({k * velocity.x, k * velocity.y});
        }
    }
}

void GameLua::weldGluedPairs() {
    // Anchored at the origin, the weld keeps whatever relative pose the pair has now.
    for (const auto& [plunger, glued] : m_pendingWelds) {
        JointDefinition weld;
        weld.kind = JointKind::Weld;
        weld.bodyA = plunger;
        weld.bodyB = glued;
        m_world->createJoint(weld);
    }
    m_pendingWelds.clear();
}

void GameLua::applyPendingVelocities() {
    for (const std::string& name : m_projectiles) {
        GameObject* object = findObject(name);
        if (!object || !object->hasPendingVelocity)
            continue;
        if (object->body.type() != BodyType::Static)
            object->body.setLinearVelocity(object->pendingVelocity);
        object->hasPendingVelocity = false;
    }
}

void GameLua::takeSnapshots() {
    m_snapshot = 1 - m_snapshot;
    for (auto& [name, object] : m_objects) {
        PhysicsBody& body = object->body;
        if (!body.isAwake())
            continue;
        const Vector2 position = body.position();
        object->stepPoses[m_snapshot] = {position.x, position.y, body.angle()};
        if (object->colliderType == collider::kShotBird && body.mass() != 0.0f)
            body.setBullet(true);
    }
}

void GameLua::interpolatePoses() {
    const float alpha = m_accumulator / kStep;
    for (auto& [name, object] : m_objects) {
        if (object->body.isAwake())
            object->render = Pose::blend(object->stepPoses[1 - m_snapshot], object->stepPoses[m_snapshot], alpha);
    }
}

void GameLua::runDestroyTimers(float dt) {
    for (auto& [name, object] : m_objects) {
        if (!object->jointDetached)
            continue;
        object->destroyTimer -= dt;
        if (object->destroyTimer <= 0.0f) {
            object->table.set("strength", 0.0f);
            getTable("deadBlocks").set(name, object->table);
            object->jointDetached = false;
        }
    }
}

void GameLua::mirrorObjects(float dt) {
    bool moving = false;
    bool awake = false;
    bool aboveTolerance = false;
    lua::TableFields fields(state(), kMirrorFields);
    for (auto& [name, object] : m_objects) {
        fields.select(object->table);
        PhysicsBody& body = object->body;
        const bool bird = object->colliderType == collider::kShotBird;
        if (bird && (!fields.isNil(kPinkTimer) || !fields.isNil(kBombTimer) || !fields.isNil(kShootDelayTimer)))
            moving = true;
        const bool awakeNow = body.isAwake();
        if (object->wasAwake || awakeNow) {
            fields.set(kX, object->render.x);
            fields.set(kY, object->render.y);
            awake = true;
            if (body.mass() > 0.0f &&
                (object->render.y > kFreezeDepth || object->render.x < static_cast<float>(m_view.leftLimit) ||
                 object->render.x > static_cast<float>(m_view.rightLimit)))
                fields.set(kFrozen, true);
            const Vector2 velocity = body.linearVelocity();
            const float squaredSpeed = velocity.x * velocity.x + velocity.y * velocity.y;
            const bool jointed = body.hasJoints();
            if (squaredSpeed > kToleranceSquaredSpeed && !bird && !jointed)
                aboveTolerance = true;
            const bool inBubble = fields.isTrue(kInBubble);
            // The turn counts by its sign, not its size: only a positive (clockwise) spin holds the shot.
            if (squaredSpeed > kMovingSquaredSpeed || (body.angularVelocity() > kMovingAngularSpeed && !jointed) ||
                inBubble)
                moving = true;
            if (bird || inBubble) {
                fields.set(kXVel, velocity.x);
                fields.set(kYVel, velocity.y);
                fields.set(kAngle, object->render.angle);
            }
            if (!bird && object->shapeKind == ShapeKind::Circle)
                noteRollingLevel(
                    object->rollingSound,
                    std::min(1.0f, object->radius * std::abs(body.angularVelocity()) / 400.0f * body.mass()));
        }
        if (object->colliderType == collider::kPassThrough) {
            object->passThroughAngle =
                std::fmod(object->passThroughAngle + dt * kPassThroughTurnRate, 2.0f * std::numbers::pi_v<float>);
            if (object->passThroughTime > 0.0f)
                object->passThroughTime -= dt;
        }
        object->wasAwake = awakeNow;
        fields.set(kAngle, body.angle());
        fields.set(kSleeping, !awakeNow);
    }
    set("hasMovingObjects", moving);
    set("hasAwakeObjects", awake);
    set("hasMovingObjectsAboveTolerance", aboveTolerance);
}
