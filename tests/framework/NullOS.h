#pragma once

#include "framework/OSInterface.h"

#include <string>

// An OSInterface with no window behind it, and a base directory a test may set.
class NullOS : public framework::OSInterface {
public:
    explicit NullOS(std::string base = {}) : OSInterface({"test"}), m_base(std::move(base)) {}
    std::string baseDirectory() const override { return m_base; }
    void setResolution(int, int) override {}
    void setOrientation(int) override {}
    void setGameOn(bool) override {}
    bool isAudioOff() const override { return false; }
    void resume() override {}
    void pause() override {}
    void setFullScreenMode(bool) override {}
    bool isInFullScreenMode() const override { return false; }
    bool setMouseLocked(bool) override { return true; }
    bool isMouseLocked() const override { return false; }
    bool setMousePosition(int, int) override { return false; }
    void setCursor(const std::string&) override {}

private:
    std::string m_base;
};
