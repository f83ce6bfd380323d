// The window procedure of the SDL host: SDL events become application calls and host events,
// and the window changes the application asks for.
#include "framework/KeyCodes.h"
#include "framework/sdl/SdlHost.h"
#include "framework/sdl/SdlKeyMap.h"
#include "framework/sdl/WindowPixels.h"
#include "lang/Log.h"
#include "lang/UTF.h"

namespace framework::sdl {
namespace {

int buttonCode(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return kKeyLButton;
    case SDL_BUTTON_MIDDLE:
        return kKeyMButton;
    case SDL_BUTTON_RIGHT:
        return kKeyRButton;
    default:
        return kKeyNone;
    }
}

// The character a key types that SDL's text events leave out: backspace, return and escape.
char32_t controlCharacter(SDL_Keycode key) {
    switch (key) {
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_ESCAPE:
        return 27;
    default:
        return 0;
    }
}

// An event filter that takes the window's size changes out of the queue, counting them.
int takeSizeChange(void* count, SDL_Event* event) {
    if (event->type != SDL_WINDOWEVENT || event->window.event != SDL_WINDOWEVENT_SIZE_CHANGED)
        return 1;
    ++*static_cast<int*>(count);
    return 0;
}

} // namespace

void SdlHost::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT) { // SDL sends it on SIGINT and SIGTERM
        postQuit(0);
        return;
    }
    if (event.type == SDL_WINDOWEVENT) {
        handleWindowEvent(event.window);
        return;
    }
    if (event.type == m_raiseEvent) {
        SDL_RestoreWindow(m_window);
        SDL_RaiseWindow(m_window);
        return;
    }
    // A replay's input stands in for the window's.
    if (!m_app || isReplaying())
        return;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        handleKey(event.key);
        break;
    case SDL_TEXTINPUT:
        for (const std::uint32_t code : lang::utf8ToCodePoints(event.text.text))
            input::type(code);
        break;
    case SDL_MOUSEMOTION: {
        const SDL_Point position = pixels::fromPoints(m_window, event.motion.x, event.motion.y);
        const SDL_Point size = pixels::drawableSize(m_window);
        input::moveMouse(*m_app, contextView(), position.x, position.y, m_mouseLocked, size.x, size.y);
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (const int code = buttonCode(event.button.button); code != kKeyNone) {
            if (event.type == SDL_MOUSEBUTTONDOWN)
                input::pressKey(*m_app, code);
            else
                input::releaseKey(*m_app, code);
        }
        break;
    case SDL_MOUSEWHEEL:
        if (const auto steps =
                input::wheelSteps(event.wheel.x, event.wheel.y, event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED))
            input::turnWheel(*m_app, *steps);
        break;
    case SDL_FINGERDOWN:
        handleTouch(event.tfinger, input::TouchPhase::Began);
        break;
    case SDL_FINGERMOTION:
        handleTouch(event.tfinger, input::TouchPhase::Moved);
        break;
    case SDL_FINGERUP:
        handleTouch(event.tfinger, input::TouchPhase::Ended);
        break;
    default:
        break;
    }
}

void SdlHost::handleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
    // A shown window counts as active: without a window manager no focus event ever comes.
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_RESTORED:
        handleActivation(true);
        break;
    case SDL_WINDOWEVENT_HIDDEN:
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
        handleActivation(false);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        handleSize();
        break;
    case SDL_WINDOWEVENT_LEAVE:
        if (m_app && !isReplaying())
            input::releaseMouseButtons(*m_app);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        postQuit(0);
        break;
    default:
        break;
    }
}

void SdlHost::handleKey(const SDL_KeyboardEvent& key) {
    const int virtualKey = sdl::virtualKey(key.keysym);
    const bool down = key.type == SDL_KEYDOWN;
    // What Windows calls system keys: Alt, and keys pressed while Alt (without Control) is held.
    const bool altHeld = (key.keysym.mod & KMOD_ALT) && !(key.keysym.mod & KMOD_CTRL);
    if (virtualKey == kVirtualKeyAlt) {
        down ? input::pressKey(*m_app, kKeyAlt) : input::releaseKey(*m_app, kKeyAlt);
        return;
    }
    if (down && altHeld) {
        if (virtualKey == kVirtualKeyReturn && !key.repeat)
            setFullScreen(!m_fullScreen);
        else if (virtualKey == kVirtualKeyF4)
            postQuit(0);
        return;
    }
    // Typing first, then the key itself, as a window's key-down message does; auto-repeat types
    // again (a held backspace keeps erasing).
    if (const char32_t typed = controlCharacter(key.keysym.sym); down && typed)
        input::type(typed);
    const int code = keyCodeForVirtualKey(virtualKey);
    if (code == kKeyNone)
        return;
    down ? input::pressKey(*m_app, code) : input::releaseKey(*m_app, code);
}

void SdlHost::handleTouch(const SDL_TouchFingerEvent& finger, input::TouchPhase phase) {
    const SDL_Point size = pixels::drawableSize(m_window);
    const TouchPoint point{static_cast<std::uint32_t>(finger.fingerId), static_cast<int>(finger.x * size.x),
                           static_cast<int>(finger.y * size.y)};
    input::touch(*m_app, contextView(), phase, point);
}

void SdlHost::handleActivation(bool active) {
    // An automated run must end by itself: it does not depend on which window the display
    // gives the focus to (another program's window appearing would otherwise stop it for good).
    if (!active && isAutomated(m_commandLine))
        return;
    if (active == m_active)
        return;
    m_active = active;
    if (m_errorShown)
        return;
    if (m_fullScreen) {
        if (active)
            SDL_RestoreWindow(m_window);
        else
            SDL_MinimizeWindow(m_window);
        SDL_SetWindowGrab(m_window, active ? SDL_TRUE : SDL_FALSE);
    }
    if (m_app)
        input::activate(*m_app, active);
}

void SdlHost::handleSize() {
    if (m_errorShown || !m_context)
        return;
    const SDL_Point size = pixels::drawableSize(m_window);
    if (size.x == 0 || size.y == 0)
        return;
    if (m_app)
        input::resize(*m_app, *m_context, size.x, size.y);
    else
        m_context->resize(size.x, size.y);
    updateTitle();
}

// Windows handles the size message inside the call that resizes the window, so a request made
// from the application's update sees the new size before it returns. SDL queues the change:
// handle it now, once, and take it out of the queue.
void SdlHost::handleRequestedSize() {
    SDL_PumpEvents();
    int changes = 0;
    SDL_FilterEvents(takeSizeChange, &changes);
    if (changes > 0)
        handleSize();
}

void SdlHost::postQuit(int code) {
    m_quitCode = code;
    m_quitPosted = true;
}

// The configuration reader holds the OSInterface before any window exists: window requests
// made then have nothing to act on, except the orientation, which the context is made with.

void SdlHost::setResolution(int width, int height) {
    if (!m_window)
        return;
    const SDL_Point points = pixels::toPoints(m_window, width, height);
    SDL_SetWindowSize(m_window, points.x, points.y);
    handleRequestedSize();
}

void SdlHost::setOrientation(int orientation) {
    if (!m_context) {
        m_configuration.orientation = orientation;
        return;
    }
    m_context->setOrientation(orientation);
    if (m_app) {
        m_app->orientationChanged();
        m_app->resolutionChanged();
    }
}

void SdlHost::pause() {
    // An automated run must reach its frame count: the application hears of the pause, but the
    // loop does not stop to wait for a resume that may never come.
    if (!isAutomated(m_commandLine))
        m_active = false;
    if (m_app) {
        m_app->setActive(false);
        m_app->setForeground(false);
    }
}

void SdlHost::resume() {
    m_active = true;
    if (m_app) {
        m_app->setActive(true);
        m_app->setForeground(true);
    }
}

void SdlHost::setFullScreen(bool fullScreen) {
    if (!m_window)
        return;
    if (fullScreen && !m_fullScreen) {
        SDL_GetWindowPosition(m_window, &m_windowed.x, &m_windowed.y);
        SDL_GetWindowSize(m_window, &m_windowed.w, &m_windowed.h);
        if (SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            LOG_WARNING("Host", "Cannot switch to full screen: %s", SDL_GetError());
            return;
        }
        m_fullScreen = true;
        SDL_SetWindowGrab(m_window, SDL_TRUE);
    } else if (!fullScreen && m_fullScreen) {
        SDL_SetWindowFullscreen(m_window, 0);
        // Without a window manager nothing restores the old place: put the window back ourselves.
        SDL_SetWindowSize(m_window, m_windowed.w, m_windowed.h);
        SDL_SetWindowPosition(m_window, m_windowed.x, m_windowed.y);
        m_fullScreen = false;
        SDL_SetWindowGrab(m_window, SDL_FALSE);
    }
    handleRequestedSize();
}

void SdlHost::setMouseLocked(bool locked) {
    m_mouseLocked = locked;
    if (!m_window) {
        m_configuration.mouseLocked = locked;
        return;
    }
    if (!locked)
        SDL_CaptureMouse(SDL_FALSE);
    applyCursor();
}

void SdlHost::setCursor(const std::string& name) {
    if (!m_cursors)
        return;
    m_currentCursor = m_cursors->find(name);
    applyCursor();
}

void SdlHost::applyCursor() {
    if (m_mouseLocked || !m_currentCursor) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    SDL_SetCursor(m_currentCursor);
    SDL_ShowCursor(SDL_ENABLE);
}

} // namespace framework::sdl
