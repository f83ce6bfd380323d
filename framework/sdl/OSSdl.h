#pragma once

#include "framework/OSInterface.h"

namespace framework::sdl {

class SdlHost;

/// The `framework::OSInterface` of the SDL host: window requests go to the host.
class OSSdl : public OSInterface {
public:
    OSSdl(std::vector<std::string> arguments, const RunOptions& options, SdlHost& host)
        : OSInterface(std::move(arguments), options), m_host(host) {}
    ~OSSdl() override;

    std::string baseDirectory() const override;
    void setResolution(int width, int height) override;
    void setOrientation(int orientation) override;
    void setGameOn(bool on) override;
    bool isAudioOff() const override;
    void resume() override;
    void pause() override;
    void setFullScreenMode(bool fullScreen) override;
    bool isInFullScreenMode() const override;
    bool setMouseLocked(bool locked) override;
    bool isMouseLocked() const override;
    bool setMousePosition(int x, int y) override;
    void setCursor(const std::string& name) override;

private:
    SdlHost& m_host;
};

} // namespace framework::sdl
