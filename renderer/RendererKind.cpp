#include "renderer/RendererKind.h"

namespace gr {
namespace {

struct KindNames {
    const char* shortName;
    const char* displayName;
};

constexpr KindNames kNames[kRendererKindCount] = {
    {"gles1", "OpenGL ES 1.1"}, {"gles2", "OpenGL ES 2.0"}, {"gl1", "OpenGL 1.4"},
    {"gl2", "OpenGL 2.0"},      {"dx11", "DirectX 11"},     {"xna", "XNA (interop)"},
};

} // namespace

const char* shortName(RendererKind kind) { return kNames[static_cast<int>(kind)].shortName; }

const char* displayName(RendererKind kind) { return kNames[static_cast<int>(kind)].displayName; }

bool isOpenGL(RendererKind kind) { return static_cast<int>(kind) <= static_cast<int>(RendererKind::Gl2); }

} // namespace gr
