#include "framework/App.h"

#include "framework/OSInterface.h"
#include "io/PathName.h"

#include <algorithm>
#include <string>

namespace framework {
namespace {

App* s_instance = nullptr;

} // namespace

App::App(OSInterface& os) : m_os(os) { s_instance = this; }

App::~App() {
    if (s_instance == this)
        s_instance = nullptr;
}

void App::start() {}

void App::keyDown(int) {}

void App::keyUp(int) {}

void App::orientationChanged() {}

void App::resolutionChanged() {}

void App::mouseMoved(int, int) {}

void App::mouseWheel(int) {}

void App::touchBegan(const TouchPoint& point) { m_touches.push_back(point); }

void App::touchMoved(const TouchPoint& point) {
    auto found =
        std::find_if(m_touches.begin(), m_touches.end(), [&](const TouchPoint& touch) { return touch.id == point.id; });
    if (found != m_touches.end()) {
        found->x = point.x;
        found->y = point.y;
    }
}

void App::touchEnded(const TouchPoint& point) {
    std::erase_if(m_touches, [&](const TouchPoint& touch) { return touch.id == point.id; });
}

void App::clearTouches() { m_touches.clear(); }

void App::setActive(bool) {
    m_keyDown.fill(false);
    clearTouches();
}

bool App::setForeground(bool foreground) {
    m_foreground = foreground;
    return true;
}

bool App::isSafeToQuit() { return true; }

std::optional<std::uint64_t> App::stateHash() const { return std::nullopt; }

App* App::instance() { return s_instance; }

bool App::isKeyDown(int code) const { return code >= 0 && code < kKeyCodeCount && m_keyDown[code]; }

void App::setKeyDown(int code, bool down) {
    if (code >= 0 && code < kKeyCodeCount)
        m_keyDown[code] = down;
}

void App::requestQuit(int code) {
    m_quitRequested = true;
    m_quitCode = code;
}

void App::setBasePath(std::string_view path) { m_basePath = path; }

io::PathName App::resolvePath(std::string_view relative) const {
    const io::PathName base(m_os.baseDirectory(), m_basePath);
    return io::PathName(base.toString(), relative);
}

} // namespace framework
