#include "renderer/gl2/Gl2Context.h"

#include <dlfcn.h>

#include <string>

namespace {

// The engine's shader files ship beside the module, in shaders/gl2.
std::string engineShaderPath() {
    Dl_info info{};
    std::string module =
        dladdr(reinterpret_cast<void*>(&engineShaderPath), &info) && info.dli_fname ? info.dli_fname : "";
    const auto slash = module.rfind('/');
    return (slash == std::string::npos ? std::string(".") : module.substr(0, slash)) + "/shaders/gl2";
}

} // namespace

/// The module's entry point: a new OpenGL 2.1 context for the SDL window `window`.
extern "C" __attribute__((visibility("default"))) gr::Context* createContext(int width, int height, int orientation,
                                                                             void* window, void* /*deviceContext*/) {
    return new gr::gl2::Gl2Context(static_cast<SDL_Window*>(window), width, height, orientation, engineShaderPath());
}
