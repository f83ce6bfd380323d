#pragma once

#include "framework/App.h"

#include <string>
#include <vector>

/// Replays: the input of a run, frame by frame, as a text file that reproduces the run when fed
/// back (with the same seed). The file's first line is `kReplayHeader`; then one line per frame:
/// the frame's dt, then its events separated by spaces (see `formatReplayFrame`).
namespace framework {

/// The first line of every replay file: the format and its version.
inline constexpr const char* kReplayHeader = "tumble-replay 1";

/// One input event as the application received it, in application (context) pixels.
struct ReplayEvent {
    enum class Kind {
        KeyDown,    ///< `code`: an engine key code (mouse buttons included)
        KeyUp,      ///< `code`
        MouseMove,  ///< `point.x`, `point.y`
        Wheel,      ///< `code`: notches, positive away from the user
        TouchBegan, ///< `point`
        TouchMoved, ///< `point`
        TouchEnded, ///< `point`
        Text,       ///< `text`: typed characters, UTF-8, control characters (8, 13, 27) included
        Active,     ///< `code`: 1 when the window became active, 0 when it stopped being
    };

    Kind kind = Kind::KeyDown;
    int code = 0;
    TouchPoint point;
    std::string text;

    /// An event of a kind that carries a number (`code`).
    static ReplayEvent number(Kind kind, int code) {
        ReplayEvent event;
        event.kind = kind;
        event.code = code;
        return event;
    }
    /// An event of a kind that carries a position (`point`).
    static ReplayEvent at(Kind kind, TouchPoint point) {
        ReplayEvent event;
        event.kind = kind;
        event.point = point;
        return event;
    }
    /// Typed text.
    static ReplayEvent typed(std::string text) {
        ReplayEvent event;
        event.kind = Kind::Text;
        event.text = std::move(text);
        return event;
    }

    bool operator==(const ReplayEvent&) const = default;
};

/// One frame: the dt the application's update got (seconds) and the input given to it before
/// that update, in order.
struct ReplayFrame {
    float dt = 0.0f;
    std::vector<ReplayEvent> events;

    bool operator==(const ReplayFrame&) const = default;
};

/// The frame's line, without line feed: the dt in the shortest text that reads back to the same
/// float, then one token per event: `kd:CODE`, `ku:CODE`, `mm:X,Y`, `mw:STEPS`, `tb:ID,X,Y`,
/// `tm:ID,X,Y`, `te:ID,X,Y`, `ac:0` or `ac:1`, `tx:TEXT` (TEXT percent-encoded: bytes up to space, `%` and 127
/// become `%XX`; other UTF-8 bytes stay as they are).
std::string formatReplayFrame(const ReplayFrame& frame);

/// Reads a frame's line (as `formatReplayFrame` writes it). Throws `lang::Exception` saying what
/// is wrong with it: a dt that is no finite number of zero or more seconds, an unknown token, a
/// bad number or escape.
ReplayFrame parseReplayFrame(const std::string& line);

/// Reads the replay file `file`. Throws `lang::Exception` "FILE:LINE: reason" for a file that
/// cannot be read, a first line other than `kReplayHeader` (another version is named as such)
/// or a bad frame line.
std::vector<ReplayFrame> readReplay(const std::string& file);

/// Writes `frames` to `file` as a replay file, replacing it. Throws `lang::Exception` naming the
/// file when it cannot be written.
void writeReplay(const std::string& file, const std::vector<ReplayFrame>& frames);

/// Gives the frame's events to `app` through the host's input rules (`framework::input`), so
/// that the application and the host event channels see them as they saw them when recorded:
/// keys through the key-down and key-up rules, positions as given (already in application
/// pixels), text to the active `pf::TextInput`, activation changes through the activation rule. Call before the frame's
/// update. Main thread.
void applyReplayFrame(App& app, const ReplayFrame& frame);

} // namespace framework
