#include "renderer/Context.h"
#include "renderer/GraphicsException.h"

#include <stdexcept>

// A renderer module that refuses with an exception thrown inside the module: an engine
// exception, or for a width of 0 a standard exception that is not one.
extern "C" __attribute__((visibility("default"))) gr::Context* createContext(int width, int height, int, void*, void*) {
    if (width == 0)
        throw std::runtime_error("Test module has no library for its drawing");
    throw gr::GraphicsException(lang::Format("Test module refuses {0}x{1}", width, height));
}
