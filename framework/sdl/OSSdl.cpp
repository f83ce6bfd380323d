#include "framework/sdl/OSSdl.h"

#include "framework/sdl/SdlHost.h"

namespace framework::sdl {

OSSdl::~OSSdl() = default;

// Paths are relative to the working directory, which the host sets from the configuration
// file's folder.
std::string OSSdl::baseDirectory() const { return {}; }

void OSSdl::setResolution(int width, int height) { m_host.setResolution(width, height); }

void OSSdl::setOrientation(int orientation) { m_host.setOrientation(orientation); }

// Desktops do not dim the screen during play, so a running round changes nothing.
void OSSdl::setGameOn(bool) {}

bool OSSdl::isAudioOff() const { return false; }

void OSSdl::resume() { m_host.resume(); }

void OSSdl::pause() { m_host.pause(); }

void OSSdl::setFullScreenMode(bool fullScreen) { m_host.setFullScreen(fullScreen); }

bool OSSdl::isInFullScreenMode() const { return m_host.isFullScreen(); }

bool OSSdl::setMouseLocked(bool locked) {
    m_host.setMouseLocked(locked);
    return true;
}

bool OSSdl::isMouseLocked() const { return m_host.isMouseLocked(); }

// The desktop host leaves the cursor where the user put it.
bool OSSdl::setMousePosition(int, int) { return false; }

void OSSdl::setCursor(const std::string& name) { m_host.setCursor(name); }

} // namespace framework::sdl
