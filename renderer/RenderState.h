#pragma once

namespace gr {

/// A point in pixels.
struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

/// The mutable drawing state of a graphics context. Callers edit it in place between draws;
/// every line, rectangle and textured quad is placed through it at the moment it is drawn.
///
/// A primitive drawn at origin (x, y) (the top-left of a rectangle or quad, the first end of a
/// line) has each of its points p turned about origin + pivot by the rotation matrix, then
/// moved by the translation and multiplied by the scale: screen = (rotated + translation) * scale.
/// The result is clipped to the clip rectangle, which is in screen pixels.
struct RenderState {
    float clipLeft = -32000.0f;
    float clipTop = -32000.0f;
    float clipRight = 32000.0f;
    float clipBottom = 32000.0f;
    /// Column-major 2x2 matrix: (cos a, sin a, -sin a, cos a) rotates by a, clockwise on screen.
    float rotation[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    float translateX = 0.0f;
    float translateY = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    /// Rotation origin, relative to the origin of the primitive being drawn.
    float pivotX = 0.0f;
    float pivotY = 0.0f;
    /// Multiplies the opacity of everything drawn, 0 to 1.
    float alpha = 1.0f;
    /// The angle the rotation matrix was made from, in radians; 0 means "not rotated" to
    /// callers that take a faster path then.
    float angle = 0.0f;

    /// Stores `radians` as the angle and sets the rotation matrix from it.
    void setAngle(float radians);
    /// The screen position of the point `local` of a primitive whose origin is `origin`.
    Point apply(Point origin, Point local) const;
};

/// Puts a render state back as it was when the scope ends, exceptions included, for drawing
/// that edits the state for its own pictures and must not move what the caller draws next.
class SavedRenderState {
public:
    explicit SavedRenderState(RenderState& state) : m_state(state), m_saved(state) {}
    SavedRenderState(const SavedRenderState&) = delete;
    SavedRenderState& operator=(const SavedRenderState&) = delete;
    ~SavedRenderState() { m_state = m_saved; }

    /// The state as it was when the scope began.
    const RenderState& original() const { return m_saved; }

private:
    RenderState& m_state;
    RenderState m_saved;
};

} // namespace gr
