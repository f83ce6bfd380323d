#include "GameConfiguration.h"
#include "GameHarness.h"

#include "framework/Configuration.h"
#include "io/ByteArrayInputStream.h"
#include "lua/LuaException.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using gametest::FakeOS;
using gametest::TempFolder;

struct ReadResult {
    framework::Configuration configuration;
    StartupValues values;
};

ReadResult read(const std::string& script, const std::string& base = {}) {
    ReadResult result;
    io::ByteArrayInputStream input(std::vector<std::uint8_t>(script.begin(), script.end()), "config.lua");
    readConfigurationScript(input, base, result.configuration, result.values);
    return result;
}

TEST(GameConfigurationTest, ReadsEveryKey) {
    const ReadResult result = read(R"(
        datapath = "data"  name = "Demo"  width = 1024.9  height = 768  framerate = 30
        showCursor = false  orientation = 90  icon = 7  product = "P"  publisher = "Q"  singleton = true
        imagePath = "i"  fontPath = "f"  audioPath = "a"  localizationPath = "l"  levelPath = "v"
        commonScriptPath = "c"  scriptPath = "s"  shaderPath = "sh"  deviceModel = "m"
        isLiteVersion = true  isHDVersion = true  isBetaVersion = true
        renderer = { "gl2" })",
                                   "base/");
    const auto& c = result.configuration;
    EXPECT_EQ(result.values.dataPath, "base/data");
    EXPECT_EQ(c.name, "Demo");
    EXPECT_EQ(c.width, 1024);
    EXPECT_EQ(c.height, 768);
    EXPECT_EQ(c.framerate, 30);
    EXPECT_FALSE(c.showCursor);
    EXPECT_EQ(c.orientation, 1);
    EXPECT_EQ(c.icon, 7);
    EXPECT_EQ(c.product, "P");
    EXPECT_EQ(c.publisher, "Q");
    EXPECT_TRUE(c.singleton);
    const PathsAndFlags& p = result.values.paths;
    EXPECT_EQ(p.imagePath + p.fontPath + p.audioPath + p.localizationPath + p.levelPath + p.commonScriptPath +
                  p.scriptPath + p.deviceModel,
              "ifalvcsm");
    EXPECT_EQ(result.values.shaderPath, "sh");
    EXPECT_TRUE(p.lite && p.hd && p.beta);
    EXPECT_EQ(c.renderers, std::vector<gr::RendererKind>{gr::RendererKind::Gl2});
}

TEST(GameConfigurationTest, MissingOrMistypedKeysKeepTheDefaults) {
    const ReadResult result = read(R"(width = "wide"  height = true  name = {}  showCursor = 1  renderer = "gl2")");
    const framework::Configuration defaults;
    EXPECT_EQ(result.configuration.width, defaults.width);
    EXPECT_EQ(result.configuration.height, defaults.height);
    EXPECT_EQ(result.configuration.name, "");
    EXPECT_TRUE(result.configuration.showCursor);
    EXPECT_TRUE(result.configuration.renderers.empty());
    EXPECT_EQ(result.values.dataPath, "");
}

TEST(GameConfigurationTest, FullScreenIsAlwaysOff) {
    ReadResult result;
    result.configuration.fullScreen = true;
    io::ByteArrayInputStream input(std::vector<std::uint8_t>{}, "config.lua");
    readConfigurationScript(input, {}, result.configuration, result.values);
    EXPECT_FALSE(result.configuration.fullScreen);
}

TEST(GameConfigurationTest, OrientationDegreesBecomeQuarterTurns) {
    const std::pair<const char*, int> cases[] = {{"0", 0},   {"45", 0},    {"90", 1}, {"180", 2},
                                                 {"270", 3}, {"270.7", 3}, {"-90", 0}};
    for (const auto& [degrees, expected] : cases)
        EXPECT_EQ(read(std::string("orientation = ") + degrees).configuration.orientation, expected) << degrees;
}

TEST(GameConfigurationTest, RendererListKeepsKnownNamesInOrder) {
    EXPECT_EQ(read(R"(renderer = { "gl2", "vulkan", "gles2" })").configuration.renderers,
              (std::vector<gr::RendererKind>{gr::RendererKind::Gl2, gr::RendererKind::Gles2}));
    // Names are compared whole: a prefix or a longer name is no match; the list ends at a hole.
    EXPECT_EQ(read(R"(renderer = { "gl", "gl22", "GL2", "dx11", nil, "gl1" })").configuration.renderers,
              std::vector<gr::RendererKind>{gr::RendererKind::Dx11});
}

TEST(GameConfigurationTest, EditionFlagsAreClearedWhenLeftOut) {
    ReadResult result;
    result.values.paths.lite = result.values.paths.hd = result.values.paths.beta = true;
    io::ByteArrayInputStream input(std::vector<std::uint8_t>{'x', '=', '1'}, "config.lua");
    readConfigurationScript(input, {}, result.configuration, result.values);
    EXPECT_FALSE(result.values.paths.lite || result.values.paths.hd || result.values.paths.beta);
}

TEST(GameConfigurationTest, ScriptErrorsAreRaised) {
    EXPECT_THROW(read("width = = 3"), lua::LuaException);
    EXPECT_THROW(read("error('no settings')"), lua::LuaException);
}

TEST(GameConfigurationTest, TheSecondArgumentNamesTheFileInTheFolderTheHostEntered) {
    EXPECT_EQ(configurationFile({"tumble"}, "/nonexistent/config.lua"), "config.lua");
    EXPECT_EQ(configurationFile({"tumble", "games/demo/settings.lua"}, ""), "settings.lua");
    EXPECT_EQ(configurationFile({"tumble", "/abs/other.lua"}, ""), "other.lua");
    EXPECT_EQ(configurationFile({"tumble", "plain.lua"}, ""), "plain.lua");
}

TEST(GameConfigurationTest, WithoutArgumentOrLocalFileTheDemoFolderIsEntered) {
    TempFolder folder;
    std::filesystem::create_directories("demo");
    gametest::writeFile("demo/config.lua", gametest::bytesOf("name = 'demo'"));
    const auto demo = folder.path() / "demo" / "config.lua";
    EXPECT_EQ(configurationFile({"tumble"}, demo.string()), "config.lua");
    EXPECT_EQ(std::filesystem::current_path(), folder.path() / "demo");

    // A config.lua in the working directory wins over the demo.
    EXPECT_EQ(configurationFile({"tumble"}, "/elsewhere/config.lua"), "config.lua");
    EXPECT_EQ(std::filesystem::current_path(), folder.path() / "demo");
}

TEST(GameConfigurationTest, ReadConfigurationOpensTheNamedFileAndAllowsBothUprightOrientations) {
    TempFolder folder;
    gametest::writeFile("mine.lua", gametest::bytesOf("name = 'Mine'  scriptPath = 'logic'"));
    FakeOS os({"tumble", "mine.lua"});
    framework::Configuration configuration;
    readConfiguration(configuration, os);
    EXPECT_EQ(configuration.name, "Mine");
    EXPECT_EQ(startupValues().paths.scriptPath, "logic");
    EXPECT_EQ(configuration.orientations, (std::vector<int>{1, 3}));
    startupValues() = StartupValues();

    FakeOS missing({"tumble", "absent.lua"});
    EXPECT_THROW(readConfiguration(configuration, missing), lang::Throwable);
}

} // namespace
