#include "PortalObjectTeleporter.h"

#include "GameObject.h"
#include "PortalGeometry.h"

#include <utility>

PortalObjectTeleporter::PortalObjectTeleporter(TeleportHost& world, GameObject& traveller, const PortalEnd& entry,
                                               const PortalEnd& exit, PortalRules rules)
    : ObjectTeleporter(traveller, idFor(traveller.name, entry.name, exit.name),
                       portal::exitPosition(traveller.body.position(), entry.position, portal::travelAngle(entry.angle),
                                            exit.position, portal::travelAngle(exit.angle)),
                       portal::exitVelocity(traveller.body.linearVelocity(), portal::travelAngle(entry.angle),
                                            portal::travelAngle(exit.angle), rules.minSpeedOut),
                       traveller.body.angle()),
      m_world(world), m_entry(entry), m_exit(exit), m_rules(std::move(rules)),
      m_entryAngle(portal::travelAngle(entry.angle)), m_entryDirection(portal::direction(m_entryAngle)),
      m_exitPortalAngle(portal::travelAngle(exit.angle)),
      m_entryCentre(portal::entryCentre(entry.position, entry.width, m_entryDirection)), m_delay(m_rules.delay) {}

PortalObjectTeleporter::PortalObjectTeleporter(const PortalObjectTeleporter& other, GameObject& object)
    : ObjectTeleporter(other, object), m_world(other.m_world), m_entry(other.m_entry), m_exit(other.m_exit),
      m_rules(other.m_rules), m_entryAngle(other.m_entryAngle), m_entryDirection(other.m_entryDirection),
      m_exitPortalAngle(other.m_exitPortalAngle), m_entryCentre(other.m_entryCentre), m_delay(other.m_delay),
      m_inTransit(other.m_inTransit), m_turnedAway(other.m_turnedAway), m_removed(other.m_removed) {}

std::string PortalObjectTeleporter::idFor(const std::string& traveller, const std::string& entry,
                                          const std::string& exit) {
    return traveller + "_" + entry + "_" + exit;
}

std::unique_ptr<ObjectTeleporter> PortalObjectTeleporter::cloneFor(GameObject& object) const {
    return std::unique_ptr<ObjectTeleporter>(new PortalObjectTeleporter(*this, object));
}

bool PortalObjectTeleporter::update(float dt) {
    if (m_inTransit) {
        m_delay -= dt;
        if (m_delay > 0.0f)
            return false;
        comeOut();
        return true;
    }
    const Vector2 velocity = m_object.body.linearVelocity();
    const bool moving = velocity.x != 0.0f || velocity.y != 0.0f;
    if (!moving || !portal::isHeadingIn(velocity, m_entryDirection)) {
        m_turnedAway = true;
        return false;
    }
    // Heading in again after turning away: it leaves with the speed it has now.
    if (m_turnedAway) {
        m_exitVelocity = portal::exitVelocity(velocity, m_entryAngle, m_exitPortalAngle, m_rules.minSpeedOut);
        m_turnedAway = false;
    }
    if (!portal::isBeforeCentreLine(m_object.body.position(), m_entryCentre, m_entryDirection))
        return false;
    return goThrough();
}

bool PortalObjectTeleporter::goThrough() {
    if (m_object.repeatState(m_entry.name) > kMaxConsecutivePasses) {
        m_removed = true;
        const std::string name = m_object.name;
        m_world.tellScripts("onObjectRemoved", name);
        m_world.removeLoopingObject(name);
        return true;
    }
    playEffects(PortalPhase::In, m_entry);
    teleport();
    if (m_delay > 0.0f) {
        m_object.body.setEnabled(false);
        m_object.visible = false;
        m_inTransit = true;
        return false;
    }
    comeOut();
    return true;
}

void PortalObjectTeleporter::comeOut() {
    playEffects(PortalPhase::Out, m_exit);
    m_object.body.setEnabled(true);
    m_object.visible = true;
    // Last: the scripts may remove the object, and this teleporter is done with it.
    m_world.tellScripts("objectExitingThroughPortal", m_object.name);
}

void PortalObjectTeleporter::playEffects(PortalPhase phase, const PortalEnd& portal) {
    if (m_rules.effect)
        m_world.playPortalEffects(*m_rules.effect, phase, {m_object.body.position(), m_object.body.angle()},
                                  {portal.position, portal.angle}, m_rules.physicsToWorld);
}
