#pragma once

#include "CameraZoom.h"
#include "flurry/Flurry.h"
#include "framework/App.h"
#include "framework/KeyCodes.h"
#include "lang/Ref.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class GameLua;

namespace game {
class LuaResources;
class Resources;
} // namespace game

namespace flurry {
class FlurryLuaInterface;
}
namespace framework {
class OSInterface;
}
namespace gr {
class Context;
class Shader;
} // namespace gr
namespace lua {
class LuaState;
}

/// The game application the host runs: owns the Lua state and the game (`GameLua`), turns the
/// host's input into the scripts' key, cursor and touch tables, runs the camera zoom that the
/// wheel and a pinch drive, and draws each frame through the graphics context. Built from the
/// start-up values the configuration reader left (see `startupValues`). Main thread only.
class GameApp : public framework::App {
public:
    /// Builds the game: the Lua state, the analytics session (reporting to `analyticsService`,
    /// none by default) and its script object "Flurry", the natives and saved tables, the star
    /// limits, the game logic, the base shaders and the scripts' start-up assets. Raises what
    /// fails (a missing game-logic archive, a script error, a shader that does not load).
    GameApp(gr::Context& context, framework::OSInterface& os,
            lang::Ref<flurry::Flurry::Impl> analyticsService = nullptr);
    /// Ends the analytics session, then destroys the game, which saves the settings, then the
    /// Lua state.
    ~GameApp() override;

    void update(float dt, gr::Context& context, int mode) override;
    void keyDown(int code) override;
    void keyUp(int code) override;
    void orientationChanged() override;
    void resolutionChanged() override;
    void mouseMoved(int x, int y) override;
    void mouseWheel(int steps) override;
    void setActive(bool active) override;
    bool setForeground(bool foreground) override;
    bool isSafeToQuit() override;
    /// See `stateHash` (StateHash.h): the game's objects and the scripts' global "score" (0 when
    /// it is no number).
    std::optional<std::uint64_t> stateHash() const override;

    /// The camera zoom.
    const CameraZoom& zoom() const { return m_zoom; }
    /// The graphics context's orientation as last read.
    int contextOrientation() const { return m_contextOrientation; }
    /// The master volume, 0 to 1: the audio output's when there is one, else the last one set
    /// (kept with the "volume" of the saved settings).
    float masterVolume() const;
    /// The game world and script bridge.
    GameLua& game() const { return *m_game; }
    /// The registry the scripts load through ("res"), with the audio devices.
    game::Resources& resources() const;

private:
    void loadBaseShaders();
    /// Saves the frame to `file`; a failure is logged with the file and its reason.
    void saveScreenCapture(const std::string& file);
    void publishKeyTables();
    /// The volume keys: up ("VOLUME_UP", "ADD") and down ("VOLUME_DOWN", "SUBTRACT").
    void applyVolumeKeys();
    void changeVolume(double delta);
    /// True unless "settings" holds the boolean "audioEnabled" false.
    bool isAudioEnabled() const;

    gr::Context& m_context;
    CameraZoom m_zoom;
    lang::Ref<lua::LuaState> m_lua;
    /// The scripts' "res"; it outlives the game, whose objects draw its sprites.
    lang::Ref<game::LuaResources> m_resources;
    lang::Ref<GameLua> m_game;
    std::vector<lang::Ref<gr::Shader>> m_baseShaders;
    lang::Ref<flurry::Flurry> m_analytics;
    lang::Ref<flurry::FlurryLuaInterface> m_analyticsInterface;
    std::array<bool, framework::kKeyCodeCount> m_pressed{};
    std::array<bool, framework::kKeyCodeCount> m_released{};
    int m_contextOrientation = 0;
    float m_masterVolume = 1.0f;
};

/// The application factory the host calls once the window and the graphics context exist.
std::unique_ptr<framework::App> createApp(framework::OSInterface& os, gr::Context& context);
