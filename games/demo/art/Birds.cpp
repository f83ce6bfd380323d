// The birds, each a round flyer facing right with its own colour and silhouette: the red one wears
// flying goggles pushed up on its head, the blue one (and its smaller pieces) has a long tail and a
// tuft, the black one glows like embers under a row of short spikes. Everything is measured in
// body radii, so a bird draws at any size.
#include "Faces.h"
#include "Paints.h"
#include "Pictures.h"
#include "Shapes.h"

#include <cmath>

namespace art {

namespace {

// A bird's colours: the body lit and in shadow, its belly, wing and tail feathers.
struct BirdLook {
    Colour lit, dark, belly, wing, tail;
};

// A bird of `radius` pixels drawn about (cx, cy) with its body, belly, wing, beak and eyes; the
// kinds add their own features around it.
class Bird {
public:
    Bird(float radius, const BirdLook& look)
        : m_r(radius), m_look(look),
          m_canvas(static_cast<int>(std::ceil(3.4f * radius)), static_cast<int>(std::ceil(3.1f * radius))),
          m_cx(std::round(1.5f * radius)), m_cy(std::round(1.8f * radius)) {}

    // A point `x`, `y` body radii from the centre.
    Point at(float x, float y) const { return {m_cx + x * m_r, m_cy + y * m_r}; }
    float radius() const { return m_r; }
    Canvas& canvas() { return m_canvas; }

    // Tail feathers behind the body, `length` radii long.
    void tail(float length) {
        for (const float spread : {-0.5f, 0.0f}) {
            const Point tip = at(-0.7f - length, -0.35f + spread);
            m_canvas.fill(taperedStroke(at(-0.6f, 0.1f + spread * 0.3f), tip, 0.25f * m_r, 0.1f * m_r),
                          flat(shade(m_look.tail, spread == 0 ? 1.0f : 0.8f)));
        }
    }

    void body() {
        m_canvas.fill(circle(m_cx, m_cy, m_r), ballPaint(m_look.lit, m_look.dark, m_cx, m_cy, m_r));
        const auto [bx, by] = at(0.1f, 0.5f);
        m_canvas.fill(intersect(ellipse(bx, by, 0.68f * m_r, 0.4f * m_r), circle(m_cx, m_cy, m_r - 1)),
                      ballPaint(m_look.belly, shade(m_look.belly, 0.8f), bx, by, 0.68f * m_r));
        const auto [wx, wy] = at(-0.35f, 0.1f);
        m_canvas.fill(ellipse(wx, wy, 0.45f * m_r, 0.28f * m_r), flat(m_look.wing));
    }

    // The beak and the two eyes, the far one smaller.
    void face() {
        const auto [bx, by] = at(1, 0);
        m_canvas.fill(polygon({at(0.75f, -0.25f), at(1.55f, 0.08f), at(0.75f, 0.35f)}),
                      ballPaint({1.0f, 0.78f, 0.25f}, {0.88f, 0.46f, 0.08f}, bx, by, 0.5f * m_r));
        const Colour iris{0.30f, 0.20f, 0.10f};
        drawEye(m_canvas, at(0.15f, -0.33f), 0.33f * m_r, 1, 0, iris);
        drawEye(m_canvas, at(0.72f, -0.33f), 0.27f * m_r, 1, 0, iris);
    }

    Picture picture(const char* name) const { return {name, m_canvas, static_cast<int>(m_cx), static_cast<int>(m_cy)}; }

private:
    float m_r;
    BirdLook m_look;
    Canvas m_canvas;
    float m_cx, m_cy;
};

constexpr float kRadius = 0.6f * kPixelsPerUnit; // a bird's body in the world

Picture redBird() {
    const BirdLook look{{0.95f, 0.30f, 0.24f},
                        {0.62f, 0.08f, 0.08f},
                        {0.98f, 0.88f, 0.76f},
                        {0.70f, 0.12f, 0.10f},
                        {0.45f, 0.10f, 0.08f}};
    Bird bird(kRadius, look);
    const float r = bird.radius();
    bird.tail(0.45f);
    bird.body();
    bird.face();
    // Flying goggles pushed up on the forehead: a strap round the head and two round lenses.
    const auto [cx, cy] = bird.at(0, 0);
    bird.canvas().fill(
        intersect(outline(circle(cx, cy, 0.92f * r), 0.09f * r), [=](float, float y) { return y - (cy - 0.45f * r); }),
        flat({0.30f, 0.18f, 0.10f}));
    for (const float x : {0.05f, 0.5f}) {
        const auto [gx, gy] = bird.at(x, -0.78f);
        bird.canvas().fill(circle(gx, gy, 0.24f * r), flat({0.55f, 0.45f, 0.30f}));
        bird.canvas().fill(circle(gx, gy, 0.17f * r),
                           ballPaint({0.80f, 0.95f, 1.0f}, {0.25f, 0.50f, 0.70f}, gx, gy, 0.17f * r));
    }
    return bird.picture("bird_red");
}

Picture blueBird(const char* name, float radius) {
    const BirdLook look{{0.40f, 0.76f, 0.95f},
                        {0.10f, 0.36f, 0.62f},
                        {0.96f, 0.94f, 0.82f},
                        {0.12f, 0.42f, 0.68f},
                        {0.13f, 0.40f, 0.60f}};
    Bird bird(radius, look);
    const float r = bird.radius();
    bird.canvas().fill(taperedStroke(bird.at(0.05f, -0.85f), bird.at(0.35f, -1.35f), 0.14f * r, 0.06f * r),
                       flat(look.tail));
    bird.tail(0.75f);
    bird.body();
    bird.face();
    return bird.picture(name);
}

Picture blackBird() {
    const BirdLook look{{0.36f, 0.36f, 0.40f},
                        {0.06f, 0.06f, 0.08f},
                        {1.0f, 0.62f, 0.20f},
                        {0.12f, 0.12f, 0.14f},
                        {0.10f, 0.10f, 0.12f}};
    Bird bird(kRadius, look);
    const float r = bird.radius();
    // A row of short spikes over the head, drawn first so the body covers their roots.
    for (int i = 0; i < 4; ++i) {
        const float x = -0.45f + 0.3f * i;
        bird.canvas().fill(
            polygon({bird.at(x - 0.14f, -0.8f), bird.at(x + 0.05f, -1.25f + 0.05f * i), bird.at(x + 0.16f, -0.8f)}),
            flat(look.wing));
    }
    bird.body();
    // Embers glowing through the belly.
    for (int i = 0; i < 5; ++i) {
        const auto [ex, ey] = bird.at(-0.25f + 0.17f * i, 0.45f + 0.12f * (i % 2));
        bird.canvas().fill(circle(ex, ey, 0.07f * r), flat({1.0f, 0.95f, 0.60f}));
    }
    bird.face();
    return bird.picture("bird_black");
}

} // namespace

std::vector<Picture> birdPictures() {
    constexpr float kSmallRadius = 0.4f * kPixelsPerUnit; // the blue bird's pieces after it splits
    return {redBird(), blueBird("bird_blue", kRadius), blueBird("bird_blue_small", kSmallRadius), blackBird()};
}

} // namespace art
