#include "renderer/RenderState.h"
#include "renderer/Orientation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

namespace {

void expectPoint(gr::Point actual, float x, float y) {
    EXPECT_NEAR(actual.x, x, 1e-4f);
    EXPECT_NEAR(actual.y, y, 1e-4f);
}

TEST(RenderStateTest, DefaultsLeavePointsWhereTheyAre) {
    const gr::RenderState state;
    expectPoint(state.apply({10, 20}, {3, 4}), 13, 24);
    EXPECT_EQ(state.clipLeft, -32000.0f);
    EXPECT_EQ(state.clipBottom, 32000.0f);
    EXPECT_EQ(state.alpha, 1.0f);
}

TEST(RenderStateTest, TranslatesBeforeScaling) {
    // Scene space to screen: translation (-camera), then the world scale.
    gr::RenderState state;
    state.translateX = -100;
    state.translateY = -50;
    state.scaleX = 2;
    state.scaleY = 0.5f;
    expectPoint(state.apply({200, 100}, {0, 0}), 200, 25);
    expectPoint(state.apply({200, 100}, {10, 10}), 220, 30);
}

TEST(RenderStateTest, RotatesAboutThePivotOfThePrimitive) {
    gr::RenderState state;
    state.setAngle(std::numbers::pi_v<float> / 2);
    state.pivotX = 20;
    state.pivotY = 5;
    // A quarter turn clockwise on screen (y down) about origin + pivot = (120, 55).
    expectPoint(state.apply({100, 50}, {20, 5}), 120, 55);
    expectPoint(state.apply({100, 50}, {0, 0}), 125, 35);
    expectPoint(state.apply({100, 50}, {40, 0}), 125, 75);
    expectPoint(state.apply({100, 50}, {40, 10}), 115, 75);
}

TEST(RenderStateTest, SetAngleStoresTheAngleAndItsMatrix) {
    gr::RenderState state;
    state.setAngle(0.5f);
    EXPECT_EQ(state.angle, 0.5f);
    EXPECT_FLOAT_EQ(state.rotation[0], std::cos(0.5f));
    EXPECT_FLOAT_EQ(state.rotation[1], std::sin(0.5f));
    EXPECT_FLOAT_EQ(state.rotation[2], -std::sin(0.5f));
    EXPECT_FLOAT_EQ(state.rotation[3], std::cos(0.5f));
}

TEST(RenderStateTest, RotationHappensBeforeTranslationAndScale) {
    gr::RenderState state;
    state.setAngle(std::numbers::pi_v<float>);
    state.translateX = 10;
    state.scaleX = 2;
    state.scaleY = 2;
    // (4, 0) turned half round the origin is (-4, 0); moved by 10 and doubled: (12, 0).
    expectPoint(state.apply({0, 0}, {4, 0}), 12, 0);
}

struct OrientationCase {
    int orientation;
    gr::Point window;
    gr::Point context;
};

void PrintTo(const OrientationCase& c, std::ostream* out) {
    *out << "orientation " << c.orientation << ": window (" << c.window.x << ", " << c.window.y << ") is context ("
         << c.context.x << ", " << c.context.y << ")";
}

class OrientationTest : public testing::TestWithParam<OrientationCase> {};

// A context of 480 x 320 in its own orientation (the window is 320 x 480 for 1 and 3).
TEST_P(OrientationTest, MapsWindowAndContextBothWays) {
    const OrientationCase& c = GetParam();
    expectPoint(gr::windowToContext(c.orientation, 480, 320, c.window), c.context.x, c.context.y);
    expectPoint(gr::contextToWindow(c.orientation, 480, 320, c.context), c.window.x, c.window.y);
}

INSTANTIATE_TEST_SUITE_P(Orientations, OrientationTest,
                         testing::Values(OrientationCase{0, {10, 20}, {10, 20}},
                                         OrientationCase{1, {10, 20}, {20, 310}},
                                         OrientationCase{2, {10, 20}, {470, 300}},
                                         OrientationCase{3, {10, 20}, {460, 10}},
                                         // Values outside 0 to 3 count as upright.
                                         OrientationCase{7, {10, 20}, {10, 20}}),
                         [](const testing::TestParamInfo<OrientationCase>& info) {
                             return "orientation" + std::to_string(info.param.orientation);
                         });

TEST(OrientationTest, CornersOfTheContextAreCornersOfTheWindow) {
    for (int orientation = 0; orientation < 4; ++orientation) {
        const bool turned = orientation % 2 == 1;
        const float windowWidth = turned ? 320.0f : 480.0f;
        const float windowHeight = turned ? 480.0f : 320.0f;
        for (gr::Point corner : {gr::Point{0, 0}, gr::Point{480, 0}, gr::Point{0, 320}, gr::Point{480, 320}}) {
            const gr::Point p = gr::contextToWindow(orientation, 480, 320, corner);
            EXPECT_TRUE(p.x == 0 || p.x == windowWidth) << orientation;
            EXPECT_TRUE(p.y == 0 || p.y == windowHeight) << orientation;
        }
    }
}

} // namespace
