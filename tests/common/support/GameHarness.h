#pragma once

#include "CameraZoom.h"
#include "FailureOf.h"
#include "FakeContext.h"
#include "GameConfiguration.h"
#include "GameLua.h"
#include "WorkingFolder.h"
#include "framework/App.h"
#include "framework/OSInterface.h"
#include "game/LuaResources.h"
#include "io/ByteArrayInputStream.h"
#include "io/VirtualFileSystem.h"
#include "lang/Log.h"
#include "lua/LuaState.h"
#include "util/AES.h"
#include "util/DataKeys.h"
#include "util/EncipheredArchive.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace gametest {

/// A fresh folder that is the working directory (the data folder) while it exists; its
/// subfolder "appdata" is the application-data folder. Removed with everything in it.
class TempFolder : public testsupport::WorkingFolder {
public:
    TempFolder() {
        std::filesystem::create_directories(path() / "appdata");
        io::setAppDataPath((path() / "appdata").string());
    }
};

inline void writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

/// Writes `source` as a shipped script: a zip archive enciphered with the data key.
inline void writeScript(const std::filesystem::path& path, const std::string& source) {
    writeFile(path, util::makeEncipheredArchive(path.filename().string(), bytesOf(source), util::dataKey()));
}

/// The text `content` enciphered as the engine enciphers saved tables, with `key`.
inline std::vector<std::uint8_t> encipherSave(const std::string& content,
                                              std::span<const std::uint8_t> key = util::saveKey()) {
    std::vector<std::uint8_t> bytes;
    util::AES(key, util::AES::KEY_LENGTH_FROM_KEY, util::AES::PAD_MODE_PKCS7).encrypt(bytesOf(content), bytes);
    return bytes;
}

/// The deciphered text of a saved table the engine wrote.
inline std::string decipherSave(const std::filesystem::path& path) {
    const std::string content = readFile(path);
    std::vector<std::uint8_t> bytes;
    util::AES(util::saveKey(), util::AES::KEY_LENGTH_FROM_KEY, util::AES::PAD_MODE_PKCS7)
        .decrypt(bytesOf(content), bytes);
    return std::string(bytes.begin(), bytes.end());
}

/// Collects the log records made while it exists.
class LogCapture : public lang::log::Listener {
public:
    void log(const lang::log::Record& record) override { records.push_back(record); }

    /// True when a record of `level` from `function` holds `text`.
    bool has(int level, const std::string& function, const std::string& text) const {
        for (const auto& record : records)
            if (record.level == level && function == record.function && record.message.find(text) != std::string::npos)
                return true;
        return false;
    }

    std::vector<lang::log::Record> records;
};

/// An `OSInterface` that remembers what it was asked.
class FakeOS : public framework::OSInterface {
public:
    explicit FakeOS(std::vector<std::string> arguments = {"tumble"}, framework::RunOptions options = {})
        : OSInterface(std::move(arguments), options) {}

    std::string baseDirectory() const override { return {}; }
    void setResolution(int width, int height) override { resolution = {width, height}; }
    void setOrientation(int) override {}
    void setGameOn(bool on) override { gameOn = on; }
    bool isAudioOff() const override { return audioOff; }
    void resume() override {}
    void pause() override {}
    void setFullScreenMode(bool on) override { fullScreen = on; }
    bool isInFullScreenMode() const override { return fullScreen; }
    bool setMouseLocked(bool locked) override {
        mouseLocked = locked;
        return true;
    }
    bool isMouseLocked() const override { return mouseLocked; }
    bool setMousePosition(int, int) override { return false; }
    void setCursor(const std::string&) override {}

    std::vector<int> resolution;
    bool gameOn = true;
    bool audioOff = false;
    bool fullScreen = false;
    bool mouseLocked = false;
};

/// An application that does nothing by itself: the harness drives the game directly.
class TestApp : public framework::App {
public:
    using framework::App::App;
    void update(float, gr::Context&, int) override {}
};

/// The largest translation per physics step is global to the process: a test that changes it
/// holds one of these to put the default back.
struct MaxTranslationGuard {
    ~MaxTranslationGuard() { PhysicsWorld::setMaxTranslation(PhysicsWorld::kDefaultMaxTranslation); }
};

/// The screen a harness draws on: a context that records what it is asked and draws nothing.
struct FakeScreen {
    FakeContext context;
};

/// A game on the context of `Screen` (a type with a member `context`, a `gr::Context` or a
/// reference to one), in a fresh data folder that is the working directory.
template <class Screen> struct BasicGameHarness {
    BasicGameHarness() = default;
    /// A harness whose game runs with `options` (a seed, a start level...).
    explicit BasicGameHarness(const framework::RunOptions& options) : os({"tumble"}, options) {}

    TempFolder folder;
    FakeOS os;
    TestApp app{os};
    Screen screen;
    decltype(Screen::context)& context = screen.context;
    CameraZoom zoom;
    lang::Ref<lua::LuaState> lua{new lua::LuaState()};
    lang::Ref<game::LuaResources> resources{new game::LuaResources(*lua, context)};
    lang::Ref<GameLua> game;

    /// Builds the game (reading the saved tables written so far).
    GameLua& start(const PathsAndFlags& paths = {}) {
        game = new GameLua(app, zoom, *lua, context, resources->resources(), paths);
        return *game;
    }
    /// Destroys the game, which saves its tables.
    void stop() { game = nullptr; }
    /// Runs `source` in the scripts' environment.
    void run(const std::string& source) {
        io::ByteArrayInputStream input(std::vector<std::uint8_t>(source.begin(), source.end()), "test.lua");
        lua->runChunk(input, "test.lua", game.get());
    }
    /// The message of the exception that running `source` raises; empty if none.
    std::string failureOf(const std::string& source) {
        return testsupport::failureOf([&] { run(source); });
    }
    ~BasicGameHarness() { game = nullptr; }
};

/// A game on a fake context.
using GameHarness = BasicGameHarness<FakeScreen>;

} // namespace gametest
