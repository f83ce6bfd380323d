#include "CollisionMatrix.h"
#include "ColliderType.h"

namespace {

constexpr CollisionRule damage(bool collides) { return {collides, CollisionHandler::Damage}; }

} // namespace

CollisionMatrix::CollisionMatrix() {
    // The steps overwrite each other in this order; the later, more special types win.
    for (int a = 0; a <= 4; ++a) {
        for (int b = 0; b <= 4; ++b)
            setPair(a, b, damage(true));
        setPair(a, 7, damage(true));
    }
    forbid(collider::kBird, collider::kGround);
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, 5, damage(a != collider::kShotBird && a != 4));
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, 6, damage(a != collider::kShotBird && a != 6));
    for (int a = 0; a < collider::kPortal; ++a)
        setPair(a, collider::kPortal, {true, CollisionHandler::PortalBegin, CollisionHandler::PortalEnd});
    forbid(collider::kBird, collider::kPortal);
    for (int a = 0; a <= collider::kPortal; ++a)
        forbid(a, 9);
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, collider::kGlue, damage(true));
    for (int a = 0; a < kTypeCount; ++a)
        setPair(a, collider::kBubble, damage(a != collider::kBubble));
    setPair(collider::kShotBird, collider::kBubble, {true, CollisionHandler::Bubble});
}

void CollisionMatrix::forbid(int a, int b) {
    m_rules[a][b].collides = false;
    m_rules[b][a].collides = false;
}

void CollisionMatrix::setPair(int a, int b, const CollisionRule& rule) {
    m_rules[a][b] = rule;
    m_rules[b][a] = rule;
}
