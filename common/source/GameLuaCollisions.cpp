// Contacts between game objects: which pairs touch, and what touching does (damage, destruction,
// bird slowing, glue, bubbles). The numbers come from `impact`; this file reads and writes the
// script tables and tells the scripts.
#include "ColliderType.h"
#include "GameLua.h"
#include "lang/Exception.h"
#include "lang/Log.h"

#include <cmath>

namespace {

/// Seconds a captured bird floats up in its bubble.
constexpr float kBubbleAntiGravitySeconds = 5.0f;
constexpr float kBubbleSpriteScale = 0.5f;

bool isBirdLike(const GameObject& object) {
    return object.colliderType == collider::kBird || object.colliderType == collider::kShotBird;
}

bool isGround(const GameObject& object) { return object.colliderType == collider::kGround || object.name == "ground"; }

void stop(PhysicsBody& body) {
    if (body.type() != BodyType::Static)
        body.setLinearVelocity({0.0f, 0.0f});
}

/// The number under `key` of `table`'s sub-table `name`, or `fallback` where anything is missing.
float entryOr(const lua::LuaTable& table, const char* name, const std::string& key, float fallback) {
    if (!table.isTable(name))
        return fallback;
    const lua::LuaTable entries = table.getTable(name);
    return entries.isNumber(key) ? entries.getNumber(key) : fallback;
}

} // namespace

void GameLua::registerCollisionNatives() { registerMethod("setColliderType", &GameLua::setColliderType); }

// setColliderType(name, type)
void GameLua::setColliderType(const std::string& name, int type) {
    GameObject& object = objectNamed(name, "setColliderType");
    // The type indexes the collision matrix: any other number would read outside it.
    if (!CollisionMatrix::isValidType(type))
        throw lang::Exception(lang::Format("setColliderType: collider type {0} of \"{1}\" is not between 0 and {2}",
                                           type, name, CollisionMatrix::kTypeCount - 1));
    object.colliderType = type;
}

bool GameLua::shouldCollide(GameObject& a, GameObject& b) {
    return m_collisions.rule(a.colliderType, b.colliderType).collides && a.solid && b.solid;
}

void GameLua::beginContact(Contact& contact) {
    // Loading and editing place objects on top of each other: nothing of that may count.
    if (m_loading || m_editing || !contact.objectA() || !contact.objectB())
        return;
    runContactHandler(m_collisions.rule(contact.objectA()->colliderType, contact.objectB()->colliderType).onBegin,
                      contact);
}

void GameLua::endContact(Contact& contact) {
    if (!contact.objectA() || !contact.objectB())
        return;
    runContactHandler(m_collisions.rule(contact.objectA()->colliderType, contact.objectB()->colliderType).onEnd,
                      contact);
}

void GameLua::preSolve(Contact& contact) {
    if (!contact.objectA() || !contact.objectB())
        return;
    runContactHandler(m_collisions.rule(contact.objectA()->colliderType, contact.objectB()->colliderType).onPreSolve,
                      contact);
}

void GameLua::runContactHandler(CollisionHandler handler, Contact& contact) {
    GameObject& a = *contact.objectA();
    GameObject& b = *contact.objectB();
    switch (handler) {
    case CollisionHandler::Damage:
        runImpact(contact, a, b);
        break;
    case CollisionHandler::Bubble:
        if (a.colliderType == collider::kBubble)
            captureInBubble(a, b);
        else
            captureInBubble(b, a);
        break;
    case CollisionHandler::PortalBegin:
        startTeleport(a, b);
        break;
    case CollisionHandler::PortalEnd:
        abortTeleport(a, b);
        break;
    case CollisionHandler::None:
        break;
    }
}

void GameLua::runImpact(Contact& contact, GameObject& a, GameObject& b) {
    // Scripts take an object out of play by removing its entry.
    if (m_worldTable.isNil(a.name) || m_worldTable.isNil(b.name))
        return;
    const bool birdA = isBirdLike(a);
    const bool birdB = isBirdLike(b);
    if (birdA && birdB) {
        const float blow =
            impact::birdOnBird(a.body.mass(), a.body.linearVelocity(), b.body.mass(), b.body.linearVelocity());
        callScript("birdCollision", {a.name, b.name, blow, 0.0f});
        return;
    }
    const std::string nameA = a.name;
    const std::string nameB = b.name;
    if (!birdA && !birdB)
        blockImpact(a, b);
    else if (birdA)
        birdImpact(contact, a, b);
    else
        birdImpact(contact, b, a);
    // The callback may have removed either object (its record with it); no object can be created
    // during the step, so a name still found is the same object.
    if (findObject(nameA) && findObject(nameB))
        glue(contact, a, b);
}

impact::StrengthLoss GameLua::damageObject(GameObject& object, float damage) {
    if (object.table.isNil("strength"))
        return {};
    const impact::StrengthLoss loss =
        impact::strike(object.table.getNumber("strength"), object.table.getNumber("defence"), damage);
    if (loss.hit) {
        object.table.set("strength", loss.newStrength);
        if (loss.destroyed)
            m_deadBlocks.set(object.name, object.table);
    }
    return loss;
}

void GameLua::blockImpact(GameObject& a, GameObject& b) {
    const bool spared = (isGround(a) || isGround(b)) &&
                        (a.table.getBoolean("ignoreGroundDamage") || b.table.getBoolean("ignoreGroundDamage"));
    const float damage =
        impact::blockOnBlock(a.body.mass(), a.body.linearVelocity(), b.body.mass(), b.body.linearVelocity());
    float applied = 0.0f;
    if (!spared) {
        applied += damageObject(a, damage).taken;
        applied += damageObject(b, damage).taken;
    }
    callScript("blockCollision", {a.name, b.name, damage, applied});
}

void GameLua::birdImpact(Contact& contact, GameObject& bird, GameObject& target) {
    const std::string material = target.table.getString("materialName");
    float damageMultiplier = 1.0f;
    float velocityMultiplier = 1.0f;
    const std::string factorSet = bird.table.getString("damageFactors");
    if (!factorSet.empty() && m_blockTable.isTable("damageFactors") &&
        m_blockTable.getTable("damageFactors").isTable(factorSet)) {
        const lua::LuaTable factors = m_blockTable.getTable("damageFactors").getTable(factorSet);
        damageMultiplier = entryOr(factors, "damageMultiplier", material, 1.0f);
        velocityMultiplier = entryOr(factors, "velocityMultiplier", material, 1.0f);
    }
    PhysicsBody& body = bird.body;
    const Vector2 velocity = body.linearVelocity();
    const float damage = impact::birdOnTarget(body.mass(), velocity, damageMultiplier);
    const float oldStrength = target.table.getNumber("strength");
    const impact::StrengthLoss loss = damageObject(target, damage);
    if (loss.destroyed) {
        // The bird goes on through what it broke, slowed by what breaking it took.
        contact.setEnabled(false);
        if (bird.table.getBoolean("useLegacyCollisionPath")) {
            const float factor = impact::legacySlowing(loss.newStrength, body.mass(), damage);
            body.setLinearVelocity({velocity.x * factor, velocity.y * factor});
        } else {
            const float factor = impact::slowing(damage, oldStrength, velocityMultiplier);
            bird.pendingVelocity = {velocity.x * factor, velocity.y * factor};
            bird.hasPendingVelocity = true;
        }
    }
    callScript("birdCollision", {bird.name, target.name, damage, std::floor(loss.taken)});
}

void GameLua::glue(Contact& contact, GameObject& a, GameObject& b) {
    if (a.colliderType != collider::kGlue && b.colliderType != collider::kGlue)
        return;
    if (!m_deadBlocks.isNil(a.name) || !m_deadBlocks.isNil(b.name))
        return;
    GameObject& glueObject = a.colliderType == collider::kGlue ? a : b;
    GameObject& other = &glueObject == &a ? b : a;
    if (glueObject.table.getBoolean("glueActivated") ||
        (other.colliderType != collider::kShotBird && other.colliderType != collider::kGlueTarget))
        return;
    const std::string plungerName = glueObject.table.getString("plungerName");
    GameObject* plunger = findObject(plungerName);
    if (!plunger) {
        // Welding to nothing would join the body to a dangling one; the glue stays unused.
        LOG_ERROR("Game", "glue object \"%s\" names no plunger object \"%s\"", glueObject.name.c_str(),
                  plungerName.c_str());
        return;
    }
    stop(other.body);
    m_pendingWelds.emplace_back(plunger->body, other.body);
    contact.setEnabled(false);
    glueObject.table.set("glueActivated", true);
    other.table.set("gluedToBlock", true);
}

void GameLua::captureInBubble(GameObject& bubble, GameObject& captive) {
    if (!captive.table.getBoolean("shot"))
        return;
    stop(captive.body);
    bubble.table.set("strength", 0.0f);
    m_deadBlocks.set(bubble.name, bubble.table);
    captive.table.set("inBubble", true);
    captive.table.set("bubbleAntiGravityTimer", kBubbleAntiGravitySeconds);
    captive.table.set("bubbleSprite", "BUBBLE_PARTICLE_6");
    captive.table.set("bubbleSpriteScale", kBubbleSpriteScale);
}
