// The OpenGL 2 module drawing for real (offscreen, and under X when there is a display): what
// reaches the screen is read back from a saved PNG and checked pixel by pixel.
#include "GlTestWindow.h"
#include "PngBytes.h"
#include "io/ByteArrayInputStream.h"

#include <cstdio>
#include <numbers>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

class Gl2DrawingTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (const std::string reason = unavailableReason(GetParam()); !reason.empty())
            GTEST_SKIP() << reason;
        m_window = std::make_unique<GlTestWindow>(GetParam(), 200, 100);
        gc().beginScene();
        gc().clear(kWhite);
    }

    gr::Context& gc() { return m_window->context(); }

    std::unique_ptr<Picture> shoot() { return ::shoot(gc()); }

    // A texture of four 2 x 2 quadrants: red, green / half-transparent blue, transparent.
    lang::Ref<gr::Image> quadrants() {
        io::ByteArrayInputStream png(pngBytes(4, 4, [](int x, int y) -> std::uint32_t {
            if (y < 2)
                return x < 2 ? 0xFFFF0000 : 0xFF00FF00;
            return x < 2 ? 0x800000FF : 0x00000000;
        }));
        return gc().loadImage(png, "quadrants.png");
    }

    std::unique_ptr<GlTestWindow> m_window;
};

TEST_P(Gl2DrawingTest, FilledRectanglesCoverTheirPixelsExactly) {
    gc().fillRect(kRed, 10, 10, 30, 20);
    const auto picture = shoot();
    EXPECT_EQ(picture->width(), 200);
    EXPECT_EQ(picture->height(), 100);
    EXPECT_EQ(picture->rgb(10, 10), 0xFF0000u);
    EXPECT_EQ(picture->rgb(39, 29), 0xFF0000u);
    EXPECT_EQ(picture->rgb(9, 10), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(40, 29), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(39, 30), 0xFFFFFFu);
}

TEST_P(Gl2DrawingTest, AlphaOfTheColourAndOfTheStateBothFade) {
    gc().fillRect(0x80FF0000, 0, 0, 50, 50);
    gc().state().alpha = 0.5f;
    gc().fillRect(kBlue, 100, 0, 50, 50);
    gc().state().alpha = 0.5f;
    gc().fillRect(0x800000FF, 150, 0, 50, 50);
    const auto picture = shoot();
    EXPECT_TRUE(colourNear(picture->rgb(25, 25), 0xFF7F7F, 2));
    EXPECT_TRUE(colourNear(picture->rgb(125, 25), 0x7F7FFF, 2));
    EXPECT_TRUE(colourNear(picture->rgb(175, 25), 0xBFBFFF, 2));
}

TEST_P(Gl2DrawingTest, TranslationThenScalePlaceTheRectangle) {
    gc().state().translateX = 10;
    gc().state().translateY = 5;
    gc().state().scaleX = 2;
    gc().state().scaleY = 2;
    gc().fillRect(kRed, 0, 0, 10, 10);
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(20, 10), 0xFF0000u);
    EXPECT_EQ(picture->rgb(39, 29), 0xFF0000u);
    EXPECT_EQ(picture->rgb(19, 15), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(40, 15), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(25, 30), 0xFFFFFFu);
}

TEST_P(Gl2DrawingTest, RotationTurnsAboutThePivot) {
    // A 40 x 10 bar at (80, 40) turned a quarter about its centre stands from y 25 to 65.
    gc().state().pivotX = 20;
    gc().state().pivotY = 5;
    gc().state().setAngle(std::numbers::pi_v<float> / 2);
    gc().fillRect(kRed, 80, 40, 40, 10);
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(100, 27), 0xFF0000u);
    EXPECT_EQ(picture->rgb(100, 62), 0xFF0000u);
    EXPECT_EQ(picture->rgb(85, 45), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(115, 45), 0xFFFFFFu);
}

TEST_P(Gl2DrawingTest, LinesHaveTheirWidthAcrossTheirDirection) {
    gc().drawLine(kBlue, 20, 50, 180, 50, 4);
    gc().drawLine(kRed, 100, 10, 100, 30, 0); // thinner than a pixel: one pixel wide
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(100, 48), 0x0000FFu);
    EXPECT_EQ(picture->rgb(100, 51), 0x0000FFu);
    EXPECT_EQ(picture->rgb(100, 47), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(100, 52), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(19, 50), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(180, 50), 0xFFFFFFu);
    EXPECT_TRUE(picture->rgb(100, 20) == 0xFF0000u || picture->rgb(99, 20) == 0xFF0000u);
}

TEST_P(Gl2DrawingTest, ClipRectangleLimitsDrawing) {
    gc().state().clipLeft = 50;
    gc().state().clipTop = 25;
    gc().state().clipRight = 150;
    gc().state().clipBottom = 75;
    gc().fillRect(kRed, 0, 0, 200, 100);
    gc().state() = gr::RenderState();
    gc().fillRect(kBlue, 0, 90, 10, 10);
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(50, 25), 0xFF0000u);
    EXPECT_EQ(picture->rgb(149, 74), 0xFF0000u);
    EXPECT_EQ(picture->rgb(49, 50), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(100, 75), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(5, 95), 0x0000FFu);
}

TEST_P(Gl2DrawingTest, TexturedQuadsBlendPremultipliedAlpha) {
    const lang::Ref<gr::Image> image = quadrants();
    ASSERT_EQ(image->width(), 4);
    image->draw(gc(), 0, 0, 80, 80, gr::TexCoords::full());
    // Only the top-right quadrant, at half opacity through the render state.
    gc().state().alpha = 0.5f;
    image->draw(gc(), 100, 0, 80, 80, {{0.5f, 0.0f, 1.0f, 0.0f, 0.5f, 0.5f, 1.0f, 0.5f}});
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(20, 20), 0xFF0000u);
    EXPECT_EQ(picture->rgb(60, 20), 0x00FF00u);
    EXPECT_TRUE(colourNear(picture->rgb(20, 60), 0x7F7FFF, 2));
    EXPECT_EQ(picture->rgb(60, 60), 0xFFFFFFu);
    EXPECT_TRUE(colourNear(picture->rgb(140, 40), 0x7FFF7F, 2));
}

TEST_P(Gl2DrawingTest, UploadedPixelsArePremultipliedArgb) {
    const lang::Ref<gr::Image> texture = gc().createTexture(2, 1);
    const std::uint32_t pixels[2] = {0xFFFF0000, 0x80000080}; // opaque red, half-transparent blue
    texture->upload(pixels);
    EXPECT_EQ(texture->byteSize(), 8u);
    texture->draw(gc(), 0, 0, 100, 40, gr::TexCoords::full());
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(10, 20), 0xFF0000u);
    EXPECT_TRUE(colourNear(picture->rgb(90, 20), 0x7F7FFF, 2));
}

TEST_P(Gl2DrawingTest, CapturedFrameDrawsBackTheSame) {
    gc().fillRect(kRed, 20, 20, 40, 30);
    const lang::Ref<gr::Image> captured = gc().captureFrame(nullptr);
    ASSERT_EQ(captured->width(), 200);
    ASSERT_EQ(captured->height(), 100);
    EXPECT_EQ(gc().captureFrame(captured).get(), captured.get());
    const lang::Ref<gr::Image> wrongSize = gc().createTexture(10, 10);
    EXPECT_NE(gc().captureFrame(wrongSize).get(), wrongSize.get());
    gc().clear(kBlue);
    captured->draw(gc(), 0, 0, 200, 100, gr::TexCoords::full());
    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(30, 30), 0xFF0000u);
    EXPECT_EQ(picture->rgb(10, 10), 0xFFFFFFu);
    EXPECT_EQ(picture->rgb(150, 80), 0xFFFFFFu);
}

TEST_P(Gl2DrawingTest, OrientationTurnsThePictureAndSwapsTheSize) {
    gc().setOrientation(1);
    EXPECT_EQ(gc().width(), 100);
    EXPECT_EQ(gc().height(), 200);
    gc().fillRect(kRed, 0, 0, 10, 10);
    gc().fillRect(kBlue, 90, 190, 10, 10);
    EXPECT_EQ(gc().captureFrame(nullptr)->width(), 100);
    const auto picture = shoot();
    // The context's origin is the window's top-right corner; its far corner the bottom-left.
    EXPECT_EQ(picture->rgb(195, 5), 0xFF0000u);
    EXPECT_EQ(picture->rgb(5, 95), 0x0000FFu);
    EXPECT_EQ(picture->rgb(5, 5), 0xFFFFFFu);
}

TEST_P(Gl2DrawingTest, ResizeChangesTheFrame) {
    EXPECT_TRUE(gc().isReady());
    gc().resize(120, 60);
    EXPECT_EQ(gc().width(), 120);
    EXPECT_EQ(gc().height(), 60);
    gc().resize(0, 60); // a minimised window keeps the last size
    EXPECT_EQ(gc().width(), 120);
    gc().clear(kRed);
    EXPECT_EQ(shoot()->width(), 120);
}

INSTANTIATE_TEST_SUITE_P(Drivers, Gl2DrawingTest, testing::ValuesIn(kVideoDrivers));

} // namespace
