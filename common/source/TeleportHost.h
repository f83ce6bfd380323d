#pragma once

#include "physics/Vector2.h"

#include <string>

namespace lua {
class LuaTable;
}

/// When a portal's effect entries play: as the traveller goes in, or as it comes out.
enum class PortalPhase { In, Out };

/// Where an effect plays: a world position (world units) and an angle (radians).
struct EffectPlace {
    Vector2 position;
    float angle = 0.0f;
};

/// What a portal teleporter asks of the game world it runs in. Called only outside the world
/// step, from the teleporter's update.
class TeleportHost {
public:
    /// Calls the script function `function` with the traveller's name.
    virtual void tellScripts(const char* function, const std::string& objectName) = 0;
    /// Takes the object out of the world as the native "removeObject" does; nothing when the
    /// scripts removed it already.
    virtual void removeLoopingObject(const std::string& name) = 0;
    /// Plays the entries of the portal's effect list `effect` meant for `phase`, placing and
    /// turning them by the traveller at `traveller` or by the portal at `portal`; world positions
    /// are scaled by `physicsToWorld` into particle coordinates.
    virtual void playPortalEffects(const lua::LuaTable& effect, PortalPhase phase, const EffectPlace& traveller,
                                   const EffectPlace& portal, float physicsToWorld) = 0;

protected:
    ~TeleportHost() = default;
};
