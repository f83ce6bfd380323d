#include "renderer/ModuleLoader.h"
#include "FakeContext.h"
#include "lang/Log.h"
#include "renderer/GraphicsException.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using gr::RendererKind;

const std::string kModules = TEST_MODULE_DIR;

TEST(RendererKindTest, NamesAndFamilies) {
    const char* shortNames[] = {"gles1", "gles2", "gl1", "gl2", "dx11", "xna"};
    const char* displayNames[] = {"OpenGL ES 1.1", "OpenGL ES 2.0", "OpenGL 1.4",
                                  "OpenGL 2.0",    "DirectX 11",    "XNA (interop)"};
    for (int kind = 0; kind < gr::kRendererKindCount; ++kind) {
        EXPECT_STREQ(gr::shortName(RendererKind(kind)), shortNames[kind]);
        EXPECT_STREQ(gr::displayName(RendererKind(kind)), displayNames[kind]);
        EXPECT_EQ(gr::isOpenGL(RendererKind(kind)), kind <= 3) << kind;
    }
}

TEST(ModuleLoaderTest, ModuleFileNames) {
    EXPECT_EQ(gr::moduleFileName("", RendererKind::Gl2), "grgl2.so");
    EXPECT_EQ(gr::moduleFileName("bin", RendererKind::Gles2), "bin/grgles2.so");
    EXPECT_EQ(gr::moduleFileName("bin/", RendererKind::Gl1), "bin/grgl1.so");
    EXPECT_EQ(gr::moduleFileName("bin\\", RendererKind::Dx11), "bin\\grdx11.so");
}

// The message of the exception `load` throws, which must be of type E.
template <class E, class Load> std::string messageOf(Load load) {
    try {
        load();
    } catch (const E& e) {
        return e.what();
    }
    ADD_FAILURE() << "nothing thrown";
    return {};
}

TEST(ModuleLoaderTest, EachWayOneModuleFails) {
    const gr::ContextTarget target{320, 240, 0, nullptr, nullptr};
    EXPECT_EQ(
        messageOf<gr::GraphicsException>([&] { gr::createContextFromModule(RendererKind::Gles2, kModules, target); }),
        "Renderer for platform gles2 (" + kModules + "/grgles2.so) not found!");
    EXPECT_EQ(
        messageOf<gr::GraphicsException>([&] { gr::createContextFromModule(RendererKind::Gles1, kModules, target); }),
        "Renderer " + kModules + "/grgles1.so was missing entrypoint \"createContext\"");
    EXPECT_EQ(messageOf<lang::Exception>([&] { gr::createContextFromModule(RendererKind::Gl1, kModules, target); }),
              "");
}

TEST(ModuleLoaderTest, ExceptionThrownInAModuleIsCaughtByItsBaseTypes) {
    const gr::ContextTarget target{320, 240, 0, nullptr, nullptr};
    EXPECT_EQ(messageOf<lang::Throwable>([&] { gr::createContextFromModule(RendererKind::Dx11, kModules, target); }),
              "Test module refuses 320x240");
    EXPECT_EQ(
        messageOf<gr::GraphicsException>([&] { gr::createContextFromModule(RendererKind::Dx11, kModules, target); }),
        "Test module refuses 320x240");
}

TEST(ModuleLoaderTest, EmptyListIsNoRendererDefined) {
    EXPECT_EQ(messageOf<gr::GraphicsException>([] { gr::createContext({}, kModules, {}); }), "No renderer defined!");
}

class RecordingListener : public lang::log::Listener {
public:
    void log(const lang::log::Record& record) override { messages.push_back(record.message); }
    std::vector<std::string> messages;
};

TEST(ModuleLoaderTest, WhenEveryKindFailsTheReportNamesEachAndTheLogSaysWhy) {
    RecordingListener listener;
    const std::string report = messageOf<gr::GraphicsException>([] {
        gr::createContext({RendererKind::Gles2, RendererKind::Gles1, RendererKind::Gl1, RendererKind::Dx11}, kModules,
                          {320, 240, 0, nullptr, nullptr});
    });
    EXPECT_EQ(report, "OpenGL ES 2.0 renderer not supported!\n"
                      "OpenGL ES 1.1 renderer not supported!\n"
                      "OpenGL 1.4 renderer not supported!\n"
                      "DirectX 11 renderer not supported!\n");
    ASSERT_FALSE(listener.messages.empty());
    EXPECT_NE(listener.messages.back().find("Test module refuses 320x240"), std::string::npos);
}

TEST(ModuleLoaderTest, AModuleFailingWithAnyStandardExceptionGivesWayToTheNextKind) {
    struct Case {
        int width;
        std::string reason;
    };
    for (const Case& failure :
         {Case{320, "Test module refuses 320x240"}, Case{0, "Test module has no library for its drawing"}}) {
        RecordingListener listener;
        const gr::ContextTarget target{failure.width, 240, 0, nullptr, nullptr};
        const lang::Ref<gr::Context> context =
            gr::createContext({RendererKind::Dx11, RendererKind::Xna}, kModules, target);
        ASSERT_TRUE(context) << failure.reason;
        EXPECT_EQ(context->kind(), RendererKind::Xna);
        EXPECT_EQ(listener.messages.front(), "DirectX 11 renderer failed: " + failure.reason);
        EXPECT_EQ(messageOf<gr::GraphicsException>([&] { gr::createContext({RendererKind::Dx11}, kModules, target); }),
                  "DirectX 11 renderer not supported!\n");
    }
}

TEST(ModuleLoaderTest, FirstKindThatMakesAContextIsUsed) {
    const lang::Ref<gr::Context> context = gr::createContext(
        {RendererKind::Gles1, RendererKind::Xna, RendererKind::Dx11}, kModules, {320, 240, 1, nullptr, nullptr});
    ASSERT_TRUE(context);
    EXPECT_EQ(context->kind(), RendererKind::Xna);
    EXPECT_EQ(context->orientation(), 1);
    EXPECT_EQ(context->references(), 1);
    EXPECT_EQ(context->width(), 240); // the module's context swaps for orientation 1
}

} // namespace
