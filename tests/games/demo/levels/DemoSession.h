#pragma once

#include "FakeContext.h"
#include "GameHarness.h"
#include "framework/Replay.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class GameApp;

namespace demotest {

/// The frame time of every run the level tools make, seconds.
constexpr float kFrameDt = 1.0f / 60.0f;

/// The scripts' `levelState`: what a level in play reports about itself.
struct LevelState {
    int number = 0;
    std::string name;
    /// "aiming", "flying", "won" or "lost".
    std::string phase;
    double score = 0.0;
    int stars = 0;
    int birdsLeft = 0;
    /// Where the bird in the slingshot is on the screen, pixels.
    float slingshotX = 0.0f;
    float slingshotY = 0.0f;
};

/// Where one object of the world is, world units and radians.
struct ObjectPose {
    std::string name;
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
};

/// One placement of the loaded level file: its object name, definition and height (world units).
struct Placement {
    std::string name;
    std::string definition;
    float y = 0.0f;
};

/// A fresh folder that mirrors the built demo game: links to its files, except for a real
/// "levels" folder of links, so that the edit mode's save replaces a link there instead of the
/// build's own packed level. Its "appdata" subfolder is the application-data folder. Removed
/// with everything in it.
class GameFolder {
public:
    GameFolder();
    ~GameFolder();
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/// The demo game run in this process as `tumble` runs it: the built game's configuration and
/// data (in a `GameFolder`, which is the working directory meanwhile), an application-data folder
/// of its own, random sources seeded with 1, level `level` started directly (`startLevel`), and
/// frames of `kFrameDt` fed by replay frames. Draws nothing (a `gametest::FakeContext`) and plays
/// no sound. One at a time per process.
class DemoSession {
public:
    explicit DemoSession(int level);
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    /// Feeds the frame's input to the game, then runs the frame.
    void run(const framework::ReplayFrame& frame);
    /// Runs a frame without input.
    void runIdle();
    /// Frames run so far.
    int frames() const { return m_frames; }

    /// The scripts' `levelState`; nothing while no level is on.
    std::optional<LevelState> levelState() const;
    /// Every object of the world whose body moves (static bodies left out), in name order.
    std::vector<ObjectPose> movingObjects() const;
    /// Whether an object of that name exists.
    bool hasObject(const std::string& name) const;
    /// The objects the loaded level file places, in name order.
    std::vector<Placement> placements() const;
    /// The loaded level's "waterLevel": the water's surface is at y = -waterLevel. Nothing
    /// on a dry level.
    std::optional<float> waterLevel() const;
    /// The extent of the named object below its centre (half its height, or its radius).
    float halfHeight(const std::string& name) const;
    /// Saves the level as a content maker does, turning the edit mode on (F2) and saving (S),
    /// and returns the file written in the game's folder. Called before the first frame, so that
    /// the edit mode stops the physics before its first step: the level is saved as placed.
    /// Raises `std::runtime_error` when nothing was saved.
    std::filesystem::path saveInEditMode(const std::string& name);
    /// The game's folder (the working directory while the session lasts).
    const std::filesystem::path& folder() const { return m_folder.path(); }

    GameApp& app() { return *m_app; }

private:
    std::filesystem::path m_previousDirectory;
    GameFolder m_folder;
    gametest::FakeOS m_os;
    lang::Ref<gametest::FakeContext> m_context;
    std::unique_ptr<GameApp> m_app;
    int m_frames = 0;
};

/// The shipped levels in play order (the demo's scripts/levelList.lua), numbered from 1.
struct LevelEntry {
    int number;
    std::string name;
};
std::vector<LevelEntry> shippedLevels();

/// The source folder of the demo game (levels and their replays are read and written there).
std::filesystem::path demoSourceFolder();

} // namespace demotest
