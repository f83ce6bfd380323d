#pragma once

#include "framework/App.h"
#include "renderer/RendererKind.h"

#include <optional>

namespace gr {
class Context;
}

/// The host's input rules, free of any window system: each reports to the application and
/// then fires the matching host event channel. The platform layer turns its events into these
/// calls. Main thread only.
namespace framework::input {

/// What the coordinate transform needs to know of the graphics context.
struct ContextView {
    gr::RendererKind kind = gr::RendererKind::Gl2;
    int orientation = 0;
    int width = 0;
    int height = 0;

    static ContextView of(const gr::Context& context);
};

/// A position in drawable pixels as the application sees it: OpenGL contexts turn it into their own
/// orientation (see `gr::windowToContext`); other kinds leave it unchanged.
TouchPoint transform(const ContextView& view, TouchPoint point);

/// Key-down rule: unless `code` is already down, `keyDown` and the key-down channel; then the
/// code is marked down. Auto-repeat therefore reports nothing.
void pressKey(App& app, int code);
/// Key-up rule: if `code` is down, `keyUp` and the key-up channel; then it is marked up.
void releaseKey(App& app, int code);
/// The mouse left the window: releases the left, middle and right button, in that order.
void releaseMouseButtons(App& app);
/// The mouse is at (x, y) in drawable pixels. While `locked`, positions are taken relative to
/// the centre of the drawable of `width` × `height` pixels (halves rounded down) before the
/// transform.
void moveMouse(App& app, const ContextView& view, int x, int y, bool locked, int width, int height);
/// The mouse is at (x, y) in application pixels (already transformed): `mouseMoved` and the
/// mouse channel.
void reportMouse(App& app, int x, int y);
/// The wheel turned by `steps`.
void turnWheel(App& app, int steps);
/// The vertical notches of a wheel event that turned (x, y) notches, negated for "flipped"
/// (natural scrolling) devices; none for a purely sideways turn, which the engine ignores.
std::optional<int> wheelSteps(int x, int y, bool flipped);

enum class TouchPhase { Began, Moved, Ended };
/// A touch contact at a position in drawable pixels: transformed, reported and published.
void touch(App& app, const ContextView& view, TouchPhase phase, TouchPoint point);
/// A touch contact at a position in application pixels (already transformed): the matching
/// `touchBegan`, `touchMoved` or `touchEnded` and its channel.
void reportTouch(App& app, TouchPhase phase, TouchPoint point);

/// A typed character (UTF-32) for the active text input (`pf::TextInput::type`), then the typed
/// channel.
void type(char32_t code);

/// Activation changed: `setActive` and the active channel, `setForeground` and the foreground
/// channel, all with `active`.
void activate(App& app, bool active);

/// The window was resized to width × height: the context resizes, then `resolutionChanged`,
/// the resized channel, and a redraw `update` with dt 0 and mode 1.
void resize(App& app, gr::Context& context, int width, int height);

} // namespace framework::input
