#include "Impact.h"

#include <gtest/gtest.h>

namespace {

TEST(Impact, StrikeTakesWhatExceedsTheDefence) {
    struct Case {
        const char* what;
        float strength, defence, damage;
        bool hit, destroyed;
        float newStrength, taken;
    };
    const Case cases[] = {
        {"defence equal to the damage absorbs it all", 10, 4, 4, false, false, 0, 0},
        {"defence above the damage", 10, 6, 4, false, false, 0, 0},
        {"no defence", 10, 0, 4, true, false, 6, 4},
        {"the excess over the defence", 10, 3, 8, true, false, 5, 5},
        {"exactly 0 left destroys", 10, 2, 12, true, true, 0, 10},
        {"overkill reports the old strength", 10, 0, 25, true, true, -15, 10},
    };
    for (const Case& c : cases) {
        const impact::StrengthLoss loss = impact::strike(c.strength, c.defence, c.damage);
        EXPECT_EQ(loss.hit, c.hit) << c.what;
        EXPECT_EQ(loss.destroyed, c.destroyed) << c.what;
        if (c.hit) {
            EXPECT_EQ(loss.newStrength, c.newStrength) << c.what;
        }
        EXPECT_EQ(loss.taken, c.taken) << c.what;
    }
}

TEST(Impact, BlowsScaleWithMomentum) {
    struct Case {
        const char* what;
        float value, expected;
    };
    const Case cases[] = {
        {"block: a tenth of the momentum difference", impact::blockOnBlock(2, {3, 0}, 1, {0, 4}), 0.1f * 7.2111025f},
        {"block: equal momenta cancel", impact::blockOnBlock(2, {1, 1}, 1, {2, 2}), 0},
        {"birds: the faster one counts", impact::birdOnBird(10, {3, 4}, 1, {0, 6}), 6 * 1 / 10.0f},
        {"birds: on a tie, B", impact::birdOnBird(10, {3, 4}, 2, {0, 5}), 5 * 2 / 10.0f},
        {"bird on target, times the material's multiplier", impact::birdOnTarget(2, {6, 8}, 1.5f), 3},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(c.value, c.expected) << c.what;
}

TEST(Impact, ABirdKeepsAtMostItsVelocity) {
    struct Case {
        const char* what;
        float value, expected;
    };
    const Case cases[] = {
        {"damage far above the strength keeps it all", impact::slowing(100, 10, 2), 1},
        {"half the damage used up", impact::slowing(20, 10, 1), 0.5f},
        {"the material's multiplier", impact::slowing(20, 10, 0.5f), 0.25f},
        {"barely exceeding nearly stops", impact::slowing(10.01f, 10, 1), 0.001f},
        {"legacy: overshoot per mass and damage", impact::legacySlowing(-2, 7, 10), 0.5f},
        {"legacy: clamped to 1", impact::legacySlowing(-100, 1, 10), 1},
        {"no damage leaves the velocity alone", impact::slowing(0, -1, 1), 1},
        {"no mass leaves the velocity alone", impact::legacySlowing(-1, 0, 10), 1},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.value, c.expected, 1e-4f) << c.what;
}

} // namespace
