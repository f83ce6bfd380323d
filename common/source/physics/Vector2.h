#pragma once

/// A vector in world units (one world unit is 20 pixels on screen at scale 1); y grows downwards.
struct Vector2 {
    float x = 0.0f;
    float y = 0.0f;
};

/// How a body moves: static bodies never move, kinematic ones move only as they are told,
/// dynamic ones respond to forces and contacts.
enum class BodyType { Static, Kinematic, Dynamic };
