#pragma once

namespace gr {

/// The renderer modules the configuration can name, with their fixed numbers.
enum class RendererKind { Gles1 = 0, Gles2 = 1, Gl1 = 2, Gl2 = 3, Dx11 = 4, Xna = 5 };

inline constexpr int kRendererKindCount = 6;

/// "gles1", "gles2", "gl1", "gl2", "dx11", "xna": the part of the module file name.
const char* shortName(RendererKind kind);
/// "OpenGL ES 1.1" ... "XNA (interop)": the name used in reports.
const char* displayName(RendererKind kind);
/// True for the four OpenGL kinds, whose contexts report input in their own orientation.
bool isOpenGL(RendererKind kind);

} // namespace gr
