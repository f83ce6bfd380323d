#include "renderer/Context.h"

// A renderer module whose entry point makes no context.
extern "C" __attribute__((visibility("default"))) gr::Context* createContext(int, int, int, void*, void*) {
    return nullptr;
}
