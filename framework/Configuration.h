#pragma once

#include "renderer/RendererKind.h"

#include <string>
#include <vector>

namespace framework {

/// The start-up settings the host reads. The host sets its defaults, then the application's
/// configuration reader fills the record before any window exists.
struct Configuration {
    std::string name;              ///< window title prefix
    int width = 800;               ///< initial drawable width, pixels
    int height = 600;              ///< initial drawable height, pixels
    bool fullScreen = false;       ///< start in full screen
    bool showCursor = true;        ///< show the "DEFAULT" cursor at start-up (else none)
    bool mouseLocked = false;      ///< start with the mouse locked
    int icon = 0;                  ///< window icon number; 0 or less: none
    int orientation = 0;           ///< graphics context orientation, 0 to 3
    std::vector<int> orientations; ///< orientations the application allows
    int framerate = 0;             ///< frame cap in frames per second; 0 or less: no cap
    std::string publisher;         ///< with product: the application-data folder's name
    std::string product;
    std::string rendererDirectory;           ///< folder of the renderer modules; empty: the executable's
    std::vector<gr::RendererKind> renderers; ///< renderer modules to try, in order
    bool singleton = false;                  ///< allow only one running instance
};

} // namespace framework
