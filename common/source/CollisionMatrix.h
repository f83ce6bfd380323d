#pragma once

#include <array>

/// What runs when a contact between two collider types begins, ends or is about to be solved.
enum class CollisionHandler {
    None,
    /// The impact handler: damage, destruction, bird slowing, glue.
    Damage,
    /// Teleporting through a portal, started on begin and aborted on end.
    PortalBegin,
    PortalEnd,
    /// A bubble capturing a shot bird.
    Bubble,
};

/// The rule for one ordered pair of collider types.
struct CollisionRule {
    /// Whether the pair may touch at all.
    bool collides = true;
    CollisionHandler onBegin = CollisionHandler::None;
    CollisionHandler onEnd = CollisionHandler::None;
    /// No pair sets it; kept so that a pre-solve rule is one assignment away.
    CollisionHandler onPreSolve = CollisionHandler::None;
};

/// The game's fixed rules for contacts between collider types 0 to 11 (1 and 3 are birds, 2 the
/// ground, 8 portals, 10 glue, 11 bubbles; the scripts give the others their meaning). Built once; the rows
/// are the type of the first fixture's object, the columns that of the second.
class CollisionMatrix {
public:
    static constexpr int kTypeCount = 12;

    /// Builds the game's rules.
    CollisionMatrix();

    /// The rule for the ordered pair; both types must be in 0..kTypeCount-1 (the game refuses
    /// other types when they are set).
    const CollisionRule& rule(int typeA, int typeB) const { return m_rules[typeA][typeB]; }
    /// True for a collider type the matrix has a row for.
    static bool isValidType(int type) { return type >= 0 && type < kTypeCount; }

private:
    /// Sets the rules of (a, b) and (b, a) to `rule`.
    void setPair(int a, int b, const CollisionRule& rule);
    /// Keeps the handlers of (a, b) and (b, a) but lets the pair not touch.
    void forbid(int a, int b);

    std::array<std::array<CollisionRule, kTypeCount>, kTypeCount> m_rules{};
};
