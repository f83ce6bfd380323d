#pragma once

#include "physics/Vector2.h"

/// One object below the water surface as buoyancy sees it for one physics step. Lengths in world
/// units, y growing downward.
struct SubmergedObject {
    /// How far the object's position lies below the surface (positive in the water).
    float depth = 0.0f;
    /// The depth below which buoyancy stops growing (see `fullBuoyancyDepth`).
    float fullDepth = 0.0f;
    /// The world gravity's y component (world units per second squared).
    float gravityY = 0.0f;
    /// Kilograms.
    float mass = 0.0f;
    /// World units per second.
    Vector2 velocity;
    /// Radians.
    float angle = 0.0f;
    /// The circle's radius, or 1 for other shapes: the width the water drags on.
    float dragRadius = 1.0f;
    /// Birds rise more eagerly and neither lose their lift when rising fast nor get righted.
    bool bird = false;
    /// Circles need no righting.
    bool circle = false;
    /// Multiplies the lift: the object's "floatability", 1 when it has none.
    float floatability = 1.0f;
    /// Egg grenades drift sideways and bob up hard.
    bool eggGrenade = false;
};

/// What the water does to one object for one step: a force (newtons) and where it acts, as an
/// x offset (world units) from the object's position. An offset off the centre turns a tilted
/// box or polygon.
struct WaterPush {
    Vector2 force;
    float offsetX = 0.0f;
};

/// The depth at which buoyancy is full for the scripts' "waterMaxBuoyancyDepth": that depth when
/// it is positive, else 0, which makes the lift full at any depth (the lift grows with depth over
/// this value, and a zero, negative or missing one would turn it into NaN or push objects down).
float fullBuoyancyDepth(float waterMaxBuoyancyDepth);

/// The water's push on `object`: lift growing with depth up to the full depth (already 5% more
/// than gravity at the surface), quadratic drag above a speed of 5, the lift cut for non-birds
/// rising faster than 20, the righting offset and the egg grenade's kick.
WaterPush waterForce(const SubmergedObject& object);
