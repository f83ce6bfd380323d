#include "CameraZoom.h"

#include <gtest/gtest.h>

namespace {

using framework::TouchPoint;

/// Runs the animation until it ends.
void finish(CameraZoom& zoom) {
    for (int i = 0; i < 200 && zoom.isAnimating(); ++i)
        zoom.advance(0.01f);
}

TEST(CameraZoomTest, WheelStepAnimatesTowardsTheTargetWithAnEaseOut) {
    CameraZoom zoom;
    zoom.wheel(1, false);
    EXPECT_FLOAT_EQ(zoom.animationTarget(), 1.2f);
    EXPECT_FLOAT_EQ(zoom.animationDuration(), 0.5f);
    zoom.advance(0.25f);
    // Half the time: u = -0.5, eased (1 - 0.125) of the way.
    EXPECT_NEAR(zoom.zoom(), 1.0f + 0.875f * 0.2f, 1e-5f);
    zoom.advance(0.3f);
    EXPECT_FALSE(zoom.isAnimating());
    EXPECT_FLOAT_EQ(zoom.zoom(), 1.2f);
    EXPECT_FLOAT_EQ(zoom.zoomBeforeWheel(), 1.0f);
}

TEST(CameraZoomTest, StepSizeDependsOnZoomAndShift) {
    struct Case {
        float start;
        int steps;
        bool fine;
        float target;
    };
    // The zoom before the notch decides: 0.1 below 1.0, 0.2 from 1.0 on, whichever way it turns.
    const Case cases[] = {{0.8f, 2, false, 1.0f},  {0.8f, -1, false, 0.7f}, {1.0f, 3, false, 1.6f},
                          {1.0f, -1, false, 0.8f}, {1.0f, 1, true, 1.01f},  {0.8f, 1, true, 0.805f}};
    for (const Case& c : cases) {
        CameraZoom zoom;
        // Reach the start zoom through the wheel, then let the animation end.
        zoom.wheel(0, false);
        finish(zoom);
        while (zoom.zoom() > c.start + 1e-4f) {
            zoom.wheel(-1, false);
            finish(zoom);
        }
        ASSERT_NEAR(zoom.zoom(), c.start, 1e-4f);
        zoom.wheel(c.steps, c.fine);
        EXPECT_NEAR(zoom.animationTarget(), c.target, 1e-4f) << c.start << " " << c.steps;
        EXPECT_FLOAT_EQ(zoom.animationDuration(), 0.5f);
    }
}

TEST(CameraZoomTest, AWheelStepDuringAnAnimationExtendsIt) {
    CameraZoom zoom;
    zoom.wheel(1, false);
    zoom.advance(0.1f);
    const float reached = zoom.zoom();
    zoom.wheel(1, false);
    // Half a step more on the old target, and the time left plus another half second.
    EXPECT_NEAR(zoom.animationTarget(), 1.3f, 1e-5f);
    EXPECT_NEAR(zoom.animationDuration(), 0.9f, 1e-5f);
    EXPECT_FLOAT_EQ(zoom.zoomBeforeWheel(), reached);
}

TEST(CameraZoomTest, WheelAndAnimationStayWithinTheZoomRange) {
    CameraZoom zoom;
    zoom.wheel(-50, false);
    EXPECT_FLOAT_EQ(zoom.animationTarget(), CameraZoom::kMinZoom);
    finish(zoom);
    EXPECT_FLOAT_EQ(zoom.zoom(), CameraZoom::kMinZoom);
    for (int i = 0; i < 20; ++i) {
        zoom.wheel(100000, false);
        zoom.advance(0.05f);
        EXPECT_LE(zoom.zoom(), CameraZoom::kMaxZoom);
    }
    finish(zoom);
    EXPECT_FLOAT_EQ(zoom.zoom(), CameraZoom::kMaxZoom);
}

TEST(CameraZoomTest, PinchScalesWithTheFingersDistanceUnclamped) {
    CameraZoom zoom;
    zoom.pinch({{1, 100, 100}, {2, 110, 100}});
    EXPECT_FLOAT_EQ(zoom.zoom(), 1.0f);
    zoom.pinch({{1, 95, 100}, {2, 115, 100}});
    EXPECT_FLOAT_EQ(zoom.zoom(), 2.0f);
    zoom.pinch({{1, 0, 0}, {2, 3000, 4000}});
    EXPECT_FLOAT_EQ(zoom.zoom(), 500.0f);

    // A third finger ends the pinch; the next one starts from the zoom reached.
    zoom.pinch({{1, 0, 0}, {2, 3000, 4000}, {3, 5, 5}});
    zoom.pinch({{1, 0, 0}, {2, 10, 0}});
    EXPECT_FLOAT_EQ(zoom.zoom(), 500.0f);
    zoom.pinch({{1, 0, 0}, {2, 5, 0}});
    EXPECT_FLOAT_EQ(zoom.zoom(), 250.0f);
}

TEST(CameraZoomTest, PinchStartingOnOnePointLeavesTheZoom) {
    CameraZoom zoom;
    zoom.pinch({{1, 50, 50}, {2, 50, 50}});
    zoom.pinch({{1, 0, 50}, {2, 100, 50}});
    EXPECT_FLOAT_EQ(zoom.zoom(), 1.0f);
}

} // namespace
