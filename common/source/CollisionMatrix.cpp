#include "CollisionMatrix.h"

namespace {

// Only these types have a meaning fixed by the engine; the scripts give the others theirs, so
// they go by number below.
constexpr int kBird = 1;
constexpr int kGround = 2;
constexpr int kBubbleBird = 3;
constexpr int kPortal = 8;
constexpr int kGlue = 10;
constexpr int kBubble = 11;

constexpr CollisionRule damage(bool collides) { return {collides, CollisionHandler::Damage}; }

} // namespace

CollisionMatrix::CollisionMatrix() {
    // The steps overwrite each other in this order; the later, more special types win.
    for (int a = 0; a <= 4; ++a) {
        for (int b = 0; b <= 4; ++b)
            setPair(a, b, damage(true));
        setPair(a, 7, damage(true));
    }
    forbid(kBird, kGround);
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, 5, damage(a != kBubbleBird && a != 4));
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, 6, damage(a != kBubbleBird && a != 6));
    for (int a = 0; a < kPortal; ++a)
        setPair(a, kPortal, {true, CollisionHandler::PortalBegin, CollisionHandler::PortalEnd});
    forbid(kBird, kPortal);
    for (int a = 0; a <= kPortal; ++a)
        forbid(a, 9);
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, kGlue, damage(true));
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, kBubble, damage(a != kBubble));
    setPair(kBubbleBird, kBubble, {true, CollisionHandler::Bubble});
}

void CollisionMatrix::forbid(int a, int b) {
    m_rules[a][b].collides = false;
    m_rules[b][a].collides = false;
}

void CollisionMatrix::setPair(int a, int b, const CollisionRule& rule) {
    m_rules[a][b] = rule;
    m_rules[b][a] = rule;
}
