#include "framework/Input.h"

#include "framework/HostEvents.h"
#include "pf/TextInput.h"
#include "renderer/Context.h"
#include "renderer/Orientation.h"

namespace framework::input {

ContextView ContextView::of(const gr::Context& context) {
    return {context.kind(), context.orientation(), context.width(), context.height()};
}

TouchPoint transform(const ContextView& view, TouchPoint point) {
    if (!gr::isOpenGL(view.kind))
        return point;
    const gr::Point p =
        gr::windowToContext(view.orientation, static_cast<float>(view.width), static_cast<float>(view.height),
                            {static_cast<float>(point.x), static_cast<float>(point.y)});
    return {point.id, static_cast<int>(p.x), static_cast<int>(p.y)};
}

void pressKey(App& app, int code) {
    if (!app.isKeyDown(code)) {
        app.keyDown(code);
        lang::event::fire(events::kKeyDown, code);
    }
    app.setKeyDown(code, true);
}

void releaseKey(App& app, int code) {
    if (app.isKeyDown(code)) {
        app.keyUp(code);
        lang::event::fire(events::kKeyUp, code);
    }
    app.setKeyDown(code, false);
}

void releaseMouseButtons(App& app) {
    for (int code : {kKeyLButton, kKeyMButton, kKeyRButton})
        releaseKey(app, code);
}

void moveMouse(App& app, const ContextView& view, int x, int y, bool locked, int width, int height) {
    if (locked) {
        x -= width / 2;
        y -= height / 2;
    }
    const TouchPoint p = transform(view, {0, x, y});
    reportMouse(app, p.x, p.y);
}

void reportMouse(App& app, int x, int y) {
    app.mouseMoved(x, y);
    lang::event::fire(events::kMouseMoved, x, y);
}

void turnWheel(App& app, int steps) {
    app.mouseWheel(steps);
    lang::event::fire(events::kWheel, steps);
}

std::optional<int> wheelSteps(int x, int y, bool flipped) {
    if (y == 0 && x != 0)
        return std::nullopt;
    return flipped ? -y : y;
}

void touch(App& app, const ContextView& view, TouchPhase phase, TouchPoint point) {
    reportTouch(app, phase, transform(view, point));
}

void reportTouch(App& app, TouchPhase phase, TouchPoint p) {
    switch (phase) {
    case TouchPhase::Began:
        app.touchBegan(p);
        lang::event::fire(events::kTouchBegan, p);
        break;
    case TouchPhase::Moved:
        app.touchMoved(p);
        lang::event::fire(events::kTouchMoved, p);
        break;
    case TouchPhase::Ended:
        app.touchEnded(p);
        lang::event::fire(events::kTouchEnded, p);
        break;
    }
}

void type(char32_t code) {
    pf::TextInput::type(code);
    lang::event::fire(events::kTyped, code);
}

void activate(App& app, bool active) {
    app.setActive(active);
    lang::event::fire(events::kActive, active);
    app.setForeground(active);
    lang::event::fire(events::kForeground, active);
}

void resize(App& app, gr::Context& context, int width, int height) {
    context.resize(width, height);
    app.resolutionChanged();
    lang::event::fire(events::kResized);
    app.update(0.0f, context, 1);
}

} // namespace framework::input
