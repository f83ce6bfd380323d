#include "FakeContext.h"

// A renderer module that makes a stand-in context of the requested size.
extern "C" __attribute__((visibility("default"))) gr::Context* createContext(int width, int height, int orientation,
                                                                             void*, void*) {
    auto* context = new FakeContext(width, height, gr::RendererKind::Xna);
    context->setOrientation(orientation);
    return context;
}
