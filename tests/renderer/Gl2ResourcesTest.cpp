// The OpenGL 2 module's batching, shader programs and failures.
#include "GlTestWindow.h"
#include "PngBytes.h"
#include "io/ByteArrayInputStream.h"
#include "renderer/GraphicsException.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class Gl2ResourcesTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (const std::string reason = unavailableReason(GetParam()); !reason.empty())
            GTEST_SKIP() << reason;
        m_window = std::make_unique<GlTestWindow>(GetParam(), 100, 100);
        gc().beginScene();
        gc().clear(0xFFFFFFFF);
    }

    gr::Context& gc() { return m_window->context(); }

    lang::Ref<gr::Image> solid(std::uint32_t argb) {
        io::ByteArrayInputStream png(pngBytes(2, 2, [argb](int, int) { return argb; }));
        return gc().loadImage(png, "solid.png");
    }

    std::unique_ptr<Picture> shoot() { return ::shoot(gc()); }

    gr::FrameStats closeFrame() {
        gc().endScene();
        gc().endFrame();
        return gc().frameStats();
    }

    std::unique_ptr<GlTestWindow> m_window;
};

TEST_P(Gl2ResourcesTest, OneDrawCallPerRunOfQuadsWithTheSameTextureAndState) {
    const lang::Ref<gr::Image> a = solid(0xFFFF0000);
    const lang::Ref<gr::Image> b = solid(0xFF00FF00);
    closeFrame();

    // Transforms and alpha change per quad without breaking the run.
    for (int i = 0; i < 100; ++i) {
        gc().state().setAngle(i * 0.1f);
        gc().state().alpha = i / 100.0f;
        a->draw(gc(), i % 10 * 10.0f, i / 10 * 10.0f, 10, 10, gr::TexCoords::full());
    }
    EXPECT_EQ(closeFrame().drawCalls, 1);
    EXPECT_EQ(gc().frameStats().quads, 100);

    for (int i = 0; i < 10; ++i)
        (i % 2 ? b : a)->draw(gc(), 0, 0, 10, 10, gr::TexCoords::full());
    EXPECT_EQ(closeFrame().drawCalls, 10);

    gc().fillRect(0xFF000000, 0, 0, 5, 5);
    gc().drawLine(0xFF000000, 0, 0, 5, 5, 1);
    a->draw(gc(), 0, 0, 10, 10, gr::TexCoords::full());
    gc().fillRect(0xFF000000, 0, 0, 5, 5);
    gc().state().clipRight = 50;
    gc().fillRect(0xFF000000, 0, 0, 5, 5);
    EXPECT_EQ(closeFrame().drawCalls, 4);
    EXPECT_EQ(closeFrame().drawCalls, 0);
}

TEST_P(Gl2ResourcesTest, ShaderProgramsByNameWithNamedParameters) {
    const lang::Ref<gr::Shader> faded = gc().loadShader("2d-sprite-alpha");
    EXPECT_EQ(faded->name(), "2d-sprite-alpha");
    EXPECT_EQ(gc().loadShader("2d-sprite-alpha").get(), faded.get());
    const lang::Ref<gr::Image> red = solid(0xFFFF0000);

    gc().useShader(faded);
    faded->setFloat("ALPHA_FACTOR", 0.5f);
    faded->setFloat("UNUSED_PARAMETER", 1.0f);
    red->draw(gc(), 0, 0, 50, 50, gr::TexCoords::full());
    // Changing a parameter applies from the next quad on, not to quads already queued.
    faded->setFloat("ALPHA_FACTOR", 0.25f);
    red->draw(gc(), 50, 0, 50, 50, gr::TexCoords::full());
    gc().useShader(nullptr);
    red->draw(gc(), 0, 50, 50, 50, gr::TexCoords::full());

    // Green shown through the red image's alpha, which is opaque on the left half only.
    io::ByteArrayInputStream maskPng(pngBytes(2, 2, [](int x, int) { return x == 0 ? 0xFFFF0000u : 0u; }));
    const lang::Ref<gr::Image> mask = gc().loadImage(maskPng, "mask.png");
    const lang::Ref<gr::Shader> masked = gc().loadShader("2d-sprite-alpha-masked");
    masked->setTexture("BASEMAP1", solid(0xFF00FF00));
    masked->setFloat("ALPHA_FACTOR", 1.0f);
    gc().useShader(masked);
    mask->draw(gc(), 50, 50, 40, 40, gr::TexCoords::full());
    gc().useShader(nullptr);

    const auto picture = shoot();
    EXPECT_TRUE(colourNear(picture->rgb(25, 25), 0xFF7F7F, 2));
    EXPECT_TRUE(colourNear(picture->rgb(75, 25), 0xFFBFBF, 2));
    EXPECT_EQ(picture->rgb(25, 75), 0xFF0000u);
    EXPECT_EQ(picture->rgb(52, 70), 0x00FF00u);
    EXPECT_EQ(picture->rgb(88, 70), 0xFFFFFFu);
}

TEST_P(Gl2ResourcesTest, ShaderFilesComeFromTheShaderPath) {
    const std::string folder = temporaryFile("shaders");
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/broken.vert") << "#version 120\nvoid main() { gl_Position = vec4(0.0); }\n";
    std::ofstream(folder + "/broken.frag") << "#version 120\nvoid main() { gl_FragColor = undefined; }\n";
    gc().setShaderPath(folder);
    try {
        gc().loadShader("broken");
        ADD_FAILURE() << "a broken program loaded";
    } catch (const gr::GraphicsException& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Failed to compile shader " + folder + "/broken.vert|.frag: ", 0), 0u)
            << e.what();
    }
    try {
        gc().loadShader("missing");
        ADD_FAILURE() << "a missing program loaded";
    } catch (const gr::GraphicsException& e) {
        EXPECT_EQ(std::string(e.what()), "Failed to open shader file " + folder + "/missing.vert");
    }
    std::filesystem::remove_all(folder);
}

TEST_P(Gl2ResourcesTest, TheGamesShaderFilesWinAndTheEnginesStandInForMissingOnes) {
    // The game has its own fragment half of "2d-sprite" only, and no "2d-vertexcolor" at all.
    const std::string folder = temporaryFile("shaders");
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/2d-sprite.frag")
        << "#version 120\nvoid main() { gl_FragColor = vec4(0.0, 0.0, 1.0, 1.0); }\n";
    gc().setShaderPath(folder);
    const lang::Ref<gr::Image> red = solid(0xFFFF0000);
    red->draw(gc(), 0, 0, 50, 50, gr::TexCoords::full());
    gc().fillRect(0xFF00FF00, 50, 0, 50, 50);
    EXPECT_EQ(gc().loadShader("2d-sprite")->name(), "2d-sprite");

    const auto picture = shoot();
    EXPECT_EQ(picture->rgb(25, 25), 0x0000FFu); // the game's own program draws the sprites
    EXPECT_EQ(picture->rgb(75, 25), 0x00FF00u); // the engine's program for what the game lacks
    std::filesystem::remove_all(folder);
}

TEST_P(Gl2ResourcesTest, FailuresInsideTheModuleReachTheCallerAsThrowables) {
    io::ByteArrayInputStream garbage(std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'g'});
    try {
        gc().loadImage(garbage, "levels/bad.png");
        ADD_FAILURE() << "garbage decoded";
    } catch (const lang::Throwable& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Failed to load image levels/bad.png: ", 0), 0u) << e.what();
    }
    try {
        gc().saveScreen("/nonexistent-folder/shot.png");
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const lang::Throwable& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Failed to save screen to /nonexistent-folder/shot.png: No such file or directory");
    }
    EXPECT_THROW(gc().createTexture(0, 10), gr::GraphicsException);
    EXPECT_THROW(gc().createTexture(1 << 20, 1 << 20), gr::GraphicsException);
}

INSTANTIATE_TEST_SUITE_P(Drivers, Gl2ResourcesTest, testing::ValuesIn(kVideoDrivers));

} // namespace
