#pragma once

#include "GameHarness.h"
#include "GlTestWindow.h"

#include <memory>
#include <string>

namespace scenetest {

/// A screen that draws for real: the OpenGL 2 context of a window on SDL's offscreen driver.
struct GlScreen {
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 320;

    GlTestWindow window{"offscreen", kWidth, kHeight};
    gr::Context& context = window.context();
};

/// A game that draws into a real frame. `frame` runs `script` (which draws) between the
/// start of a scene cleared to `background` and the capture of what it drew.
struct GlGameHarness : gametest::BasicGameHarness<GlScreen> {
    std::unique_ptr<Picture> frame(const std::string& script, std::uint32_t background = 0xFF000000) {
        context.beginScene();
        context.clear(background);
        run(script);
        return shoot(context);
    }
};

} // namespace scenetest
