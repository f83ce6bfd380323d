#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace framework {

/// What the command line asks of the application itself, beyond what the host does.
struct RunOptions {
    /// The seed of every random source the application owns; none: each run differs.
    std::optional<std::uint32_t> seed;
    /// The level to start the game with, 1 for the first; none: the game starts as it chooses.
    std::optional<int> startLevel;
    /// A record or replay run: nothing whose answer depends on timing outside the frames may
    /// reach the scripts, so the game is silent (whether a clip plays, a play's handle) and
    /// online answers are not delivered.
    bool reproducible = false;
};

/// What the application and the script natives may ask of the platform: the window's size,
/// orientation and full-screen state, the cursor, the mouse lock, pausing and resuming.
/// The host makes one before the configuration is read; it lives for the whole run.
class OSInterface {
public:
    /// `arguments`: the program's arguments, argument 0 first; argument 1, when present, names
    /// the configuration file.
    explicit OSInterface(std::vector<std::string> arguments, RunOptions options = {})
        : m_arguments(std::move(arguments)), m_runOptions(options) {}
    virtual ~OSInterface();
    OSInterface(const OSInterface&) = delete;
    OSInterface& operator=(const OSInterface&) = delete;

    /// The program's arguments, argument 0 first.
    const std::vector<std::string>& arguments() const { return m_arguments; }
    /// What the command line asks of the application.
    const RunOptions& runOptions() const { return m_runOptions; }

    /// A directory put before the configuration file name and the application's paths
    /// (empty on the desktop).
    virtual std::string baseDirectory() const = 0;
    /// Resizes the window so that its drawable area becomes width × height pixels, keeping
    /// its position. The application hears of it through `resolutionChanged`.
    virtual void setResolution(int width, int height) = 0;
    /// Turns the picture (graphics context orientation 0 to 3), then tells the application
    /// through `orientationChanged` and `resolutionChanged`.
    virtual void setOrientation(int orientation) = 0;
    /// Whether a game round is running (platforms that dim the screen care; others ignore it).
    virtual void setGameOn(bool on) = 0;
    /// True when the platform wants the game silent.
    virtual bool isAudioOff() const = 0;
    /// Makes the application active and foreground again.
    virtual void resume() = 0;
    /// Makes the application inactive and background: no frames run until it is resumed.
    virtual void pause() = 0;
    /// Switches between the window and full screen on its monitor.
    virtual void setFullScreenMode(bool fullScreen) = 0;
    virtual bool isInFullScreenMode() const = 0;
    /// Locks the mouse: the cursor is hidden and held at the window centre, and positions are
    /// reported relative to the centre. Returns true when the request was taken.
    virtual bool setMouseLocked(bool locked) = 0;
    virtual bool isMouseLocked() const = 0;
    /// Moves the cursor to (x, y) where the platform allows it; returns whether it moved.
    virtual bool setMousePosition(int x, int y) = 0;
    /// Shows the cursor `name`: "DEFAULT" (the arrow), "EMPTY" (none) or a cursor image file,
    /// which is loaded on first use. Throws `lang::Exception` "Setting cursor \"{0}\" failed!
    /// Code: {1}" when the file cannot be used; the cursor then stays as it was.
    virtual void setCursor(const std::string& name) = 0;

private:
    std::vector<std::string> m_arguments;
    RunOptions m_runOptions;
};

} // namespace framework
