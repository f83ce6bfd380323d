#include "renderer/Context.h"
#include "renderer/GraphicsException.h"

// A renderer module that refuses with an exception thrown inside the module.
extern "C" __attribute__((visibility("default"))) gr::Context* createContext(int width, int height, int, void*, void*) {
    throw gr::GraphicsException(lang::Format("Test module refuses {0}x{1}", width, height));
}
