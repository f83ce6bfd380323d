#pragma once

#include "framework/App.h"
#include "lang/Event.h"

namespace gr {
class Context;
}

/// The host's event channels: each fires right after the matching `framework::App` call, on the
/// main thread, so any part can follow input without being the application.
///
///     auto link = lang::event::subscribe(framework::events::kKeyDown, [](int code) { ... });
namespace framework::events {

/// An engine key code went down (after `keyDown`).
extern lang::event::Event<void(int)> kKeyDown;
/// An engine key code went up (after `keyUp`).
extern lang::event::Event<void(int)> kKeyUp;
/// The mouse moved to (x, y) (after `mouseMoved`).
extern lang::event::Event<void(int, int)> kMouseMoved;
/// The wheel turned by the steps (after `mouseWheel`).
extern lang::event::Event<void(int)> kWheel;
/// Touch contacts (after `touchBegan`, `touchMoved`, `touchEnded`).
extern lang::event::Event<void(TouchPoint)> kTouchBegan;
extern lang::event::Event<void(TouchPoint)> kTouchMoved;
extern lang::event::Event<void(TouchPoint)> kTouchEnded;
/// A character was typed (after the active `pf::TextInput` had it, if any).
extern lang::event::Event<void(char32_t)> kTyped;
/// The window became active or inactive (after `setActive`).
extern lang::event::Event<void(bool)> kActive;
/// The application came to the foreground or left it (after `setForeground`).
extern lang::event::Event<void(bool)> kForeground;
/// The window was resized (after `resolutionChanged`).
extern lang::event::Event<void()> kResized;
/// A frame was drawn with dt seconds (after `update`).
extern lang::event::Event<void(float, gr::Context*)> kFrame;

} // namespace framework::events
