#pragma once

#include "framework/KeyCodes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gr {
class Context;
}
namespace io {
class PathName;
}

namespace framework {

class OSInterface;

/// One touch contact: the system's identifier and a position in window pixels (transformed
/// like mouse positions).
struct TouchPoint {
    std::uint32_t id = 0;
    int x = 0;
    int y = 0;

    bool operator==(const TouchPoint&) const = default;
};

/// The application the host drives: one `update` per frame and one call per input event, all
/// on the main thread. Exactly one exists at a time; the host makes it through the application
/// factory after the window and the graphics context exist, and destroys it at shut-down.
///
/// The base class keeps the key-down flags of the 91 key codes (the host sets them as keys go
/// down and up), the current touch points and a quit request.
class App {
public:
    explicit App(OSInterface& os);
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    /// Called once, right after the application was made.
    virtual void start();
    /// Draws and advances one frame. `dt` is in seconds (0 to 0.1); `mode` is 3 for a frame
    /// of the main loop and 1 for the redraw after a window resize (then `dt` is 0).
    virtual void update(float dt, gr::Context& context, int mode) = 0;
    /// An engine key code went down (keys auto-repeating while held are not reported again).
    virtual void keyDown(int code);
    /// An engine key code went up.
    virtual void keyUp(int code);
    /// The graphics context's orientation changed.
    virtual void orientationChanged();
    /// The graphics context's size changed.
    virtual void resolutionChanged();
    /// The mouse is at (x, y) in context pixels; relative to the window centre while locked.
    virtual void mouseMoved(int x, int y);
    /// The wheel turned by `steps` notches, positive away from the user.
    virtual void mouseWheel(int steps);
    /// A touch contact began: appends it to the touch list.
    virtual void touchBegan(const TouchPoint& point);
    /// A contact moved: updates the first listed point with its identifier, if any.
    virtual void touchMoved(const TouchPoint& point);
    /// A contact ended: removes every listed point with its identifier.
    virtual void touchEnded(const TouchPoint& point);
    /// Empties the touch list.
    virtual void clearTouches();
    /// The window became active or inactive: clears every key-down flag and the touches.
    virtual void setActive(bool active);
    /// The application came to the foreground or left it: remembers it and returns true.
    virtual bool setForeground(bool foreground);
    /// The last value given to `setForeground`; false until the first.
    bool isForeground() const { return m_foreground; }
    /// Whether quitting now loses nothing; true unless the application says otherwise.
    virtual bool isSafeToQuit();
    /// A hash of the application's state that two runs share exactly when they ended alike
    /// (`--state-hash`); none for an application without one.
    virtual std::optional<std::uint64_t> stateHash() const;

    /// The application that exists now, or null.
    static App* instance();
    static bool instanceExists() { return instance() != nullptr; }

    OSInterface& os() const { return m_os; }
    /// Key-down flag of an engine code; false for codes outside 0 to 90.
    bool isKeyDown(int code) const;
    /// Sets the key-down flag of an engine code; codes outside 0 to 90 are ignored.
    void setKeyDown(int code, bool down);
    /// Asks the host to end the run after this frame, with `code` as the exit code.
    void requestQuit(int code);
    bool isQuitRequested() const { return m_quitRequested; }
    int quitCode() const { return m_quitCode; }
    /// The current touch points, in the order they began.
    const std::vector<TouchPoint>& touches() const { return m_touches; }
    /// The folder that relative application paths start from.
    void setBasePath(std::string_view path);
    /// The platform's base directory, the base path and `relative`, joined as path names.
    io::PathName resolvePath(std::string_view relative) const;

private:
    OSInterface& m_os;
    std::string m_basePath;
    bool m_quitRequested = false;
    int m_quitCode = 0;
    std::array<bool, kKeyCodeCount> m_keyDown{};
    bool m_foreground = false;
    std::vector<TouchPoint> m_touches;
};

} // namespace framework
