#pragma once

#include "ObjectTeleporter.h"
#include "TeleportHost.h"

#include "lua/LuaTable.h"

#include <memory>
#include <optional>
#include <string>

/// One portal of a passage as the contact found it: its name, position (world units), body
/// angle (radians) and box width (world units, the extent along its angle).
struct PortalEnd {
    std::string name;
    Vector2 position;
    float angle = 0.0f;
    float width = 0.0f;
};

/// What the entry portal's "portal" table asks of a passage through it.
struct PortalRules {
    /// Seconds the traveller stays hidden between going in and coming out.
    float delay = 0.0f;
    /// The least speed (world units per second) the traveller comes out with.
    float minSpeedOut = 0.0f;
    /// The portal's "effect" list, when it has one.
    std::optional<lua::LuaTable> effect;
    /// World units to particle coordinates, for the effects.
    float physicsToWorld = 1.0f;
};

/// A passage through a portal: made when an object touches a portal, it waits until the object
/// heads in through the portal's face (not from behind its centre line), then moves it to the
/// exit portal with a turned velocity, keeps it hidden with its body out of the simulation for the portal's delay,
/// plays the effects and tells the scripts. An object passing through the same portal more than
/// `kMaxConsecutivePasses` times in a row (trapped between portals) is removed instead.
class PortalObjectTeleporter : public ObjectTeleporter {
public:
    static constexpr int kMaxConsecutivePasses = 10;

    /// The passage of `traveller`, touching `entry` now, to `exit`; the exit place and velocity
    /// are worked out from the traveller's body as it is.
    PortalObjectTeleporter(TeleportHost& world, GameObject& traveller, const PortalEnd& entry, const PortalEnd& exit,
                           PortalRules rules);

    /// The name of a passage: traveller, entry portal and exit portal joined by "_".
    static std::string idFor(const std::string& traveller, const std::string& entry, const std::string& exit);

    bool update(float dt) override;
    /// True until the traveller has gone in.
    bool isPending() const override { return !m_inTransit; }
    bool isRemovable() const override { return !m_removed; }
    std::unique_ptr<ObjectTeleporter> cloneFor(GameObject& object) const override;

private:
    PortalObjectTeleporter(const PortalObjectTeleporter& other, GameObject& object);

    /// The traveller has crossed: removed when it loops, else moved (and hidden for the delay).
    bool goThrough();
    /// Comes out of hiding at the exit.
    void comeOut();
    /// Plays the effect entries of `phase`, with `portal` as the portal they may be placed by.
    void playEffects(PortalPhase phase, const PortalEnd& portal);

    TeleportHost& m_world;
    PortalEnd m_entry;
    PortalEnd m_exit;
    PortalRules m_rules;
    /// Travel angles (portal angle + π) and their directions.
    float m_entryAngle = 0.0f;
    Vector2 m_entryDirection;
    float m_exitPortalAngle = 0.0f;
    Vector2 m_entryCentre;
    /// Seconds left in hiding.
    float m_delay = 0.0f;
    bool m_inTransit = false;
    bool m_turnedAway = false;
    bool m_removed = false;
};
