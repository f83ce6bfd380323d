#pragma once

/// The collider types whose meaning the engine fixes: a game object's row and column in the
/// collision matrix, and what the frame update, the water and the drawing do with it. The
/// scripts give the other types (0 to 11) their meanings.
namespace collider {

/// Birds before the shot: they neither touch the ground nor go through portals, and are drawn at
/// double resolution.
inline constexpr int kBird = 1;
inline constexpr int kGround = 2;
/// The bird in play: continuous collision, trajectories, bubbles, portals and water treat it as
/// the bird.
inline constexpr int kShotBird = 3;
/// Objects that sink in water once they rest at full depth; like the shot bird they may be drawn
/// in a screen space of their own.
inline constexpr int kSinker = 4;
/// Pass-through objects, which the shot bird's effect turns and times.
inline constexpr int kPassThrough = 5;
/// What glue sticks to besides the shot bird.
inline constexpr int kGlueTarget = 6;
/// Objects shown only while editing.
inline constexpr int kEditorOnly = 7;
inline constexpr int kPortal = 8;
inline constexpr int kGlue = 10;
inline constexpr int kBubble = 11;

} // namespace collider
