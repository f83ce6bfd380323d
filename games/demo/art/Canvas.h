#pragma once

#include <functional>
#include <string>
#include <vector>

namespace art {

/// A colour with straight (not premultiplied) alpha; every component 0 to 1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

/// Linear blend from `from` (t = 0) to `to` (t = 1); t is clamped to 0..1.
Colour mix(const Colour& from, const Colour& to, float t);
/// `colour` with its red, green and blue multiplied by `factor` (alpha kept), clamped to 0..1.
Colour shade(const Colour& colour, float factor);
/// `colour` with its alpha multiplied by `factor`.
Colour fade(const Colour& colour, float factor);

/// Signed distance in pixels from a point (pixel coordinates, y downwards) to a shape's edge:
/// negative inside, positive outside. Only its value near the edge (about one pixel) needs to be
/// exact: it sets the anti-aliased coverage there.
using Shape = std::function<float(float x, float y)>;

/// The colour of a shape at a point, given the point's signed distance to the shape's edge, so
/// that paints can shade rims and bevels.
using Paint = std::function<Colour(float x, float y, float distance)>;

/// A picture being drawn: premultiplied RGBA pixels, composited source-over.
class Canvas {
public:
    /// A transparent canvas of `width` x `height` pixels.
    Canvas(int width, int height);

    /// Paints `shape` with `paint` over what is there. Pixels are sampled at their centres; the
    /// coverage of an edge pixel is its distance to the edge, which gives smooth edges at any angle.
    void fill(const Shape& shape, const Paint& paint);

    /// Writes the pixels as a 32-bit RGBA PNG with straight alpha; throws std::runtime_error with
    /// the file name and SDL's message on failure.
    void savePng(const std::string& file) const;

    /// Width in pixels.
    int width() const { return m_width; }
    /// Height in pixels.
    int height() const { return m_height; }
    /// The pixel at (x, y), straight alpha; for checks of what was drawn.
    Colour pixel(int x, int y) const;

private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels; ///< premultiplied, row by row from the top
};

/// A generated sprite: its name (the PNG's base name), its picture and its pivot in pixels from
/// the picture's top-left corner.
struct Picture {
    std::string name;
    Canvas canvas;
    int pivotX;
    int pivotY;
};

} // namespace art
