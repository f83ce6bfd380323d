#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"
#include "renderer/Image.h"
#include "renderer/RenderState.h"
#include "renderer/RendererKind.h"
#include "renderer/Shader.h"

#include <cstdint>
#include <string>

namespace io {
class InputStream;
}

namespace gr {

/// Counters of one finished frame, for tests and benchmarks.
struct FrameStats {
    int drawCalls = 0; ///< draw calls sent to the driver
    int quads = 0;     ///< lines, rectangles and textured quads drawn
};

/// The graphics context: everything on screen is drawn through it. Made by a renderer module's
/// "createContext" for one window; counted. Colours are 0xAARRGGBB with straight (not
/// premultiplied) alpha. Coordinates are pixels of the context's own width and height, which
/// follow its orientation; y grows downwards. Main thread only.
///
/// A frame goes: `beginScene`, `clear`, drawing, `endScene`, `present`, then `saveScreen`
/// or `captureFrame` if wanted (they read the frame just drawn), then `endFrame`.
class Context : public lang::Object {
public:
    ~Context() override;

    /// A texture of width × height pixels, contents undefined until uploaded.
    virtual lang::Ref<Image> createTexture(int width, int height) = 0;
    /// Decodes an image file (PNG, JPEG, BMP, TGA, ... as SDL2_image reads them) from the rest
    /// of `stream`; `path` names it in errors. Throws `gr::GraphicsException`.
    virtual lang::Ref<Image> loadImage(io::InputStream& stream, const std::string& path) = 0;
    /// The shader program `name`, loaded once from NAME.vert and NAME.frag in the shader path
    /// (a file it lacks comes from the renderer's own shader folder) and then kept and shared.
    /// Throws `gr::GraphicsException` naming the file or the compiler's log.
    virtual lang::Ref<Shader> loadShader(const std::string& name) = 0;
    /// A line of `width` pixels from (x1, y1) to (x2, y2), placed through the render state
    /// with its origin at (x1, y1).
    virtual void drawLine(std::uint32_t colour, float x1, float y1, float x2, float y2, float width) = 0;
    /// A filled rectangle with its top-left corner at (x, y), placed through the render state.
    virtual void fillRect(std::uint32_t colour, float x, float y, float w, float h) = 0;
    /// The part `coords` of `image` stretched over the rectangle (x, y, w, h), placed through
    /// the render state and faded by its alpha. Consecutive quads with the same image, shader
    /// and clip rectangle go to the driver in one draw call.
    virtual void drawTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords) = 0;
    /// The same quad with a second set of texture coordinates, for programs that sample a second
    /// image (bound as a parameter such as "BASEMAP1") where these say. A context whose programs
    /// read one set only draws it as `drawTexturedQuad`.
    virtual void drawDualTexturedQuad(Image& image, float x, float y, float w, float h, const TexCoords& coords,
                                      const TexCoords& secondCoords);

    /// The render state, to be edited in place; it applies to what is drawn next.
    RenderState& state() { return m_state; }
    const RenderState& state() const { return m_state; }

    /// Width in pixels in the context's orientation.
    virtual int width() const = 0;
    /// Height in pixels in the context's orientation.
    virtual int height() const = 0;
    /// The context's clock in seconds, advanced by the host by each frame's dt.
    float time() const { return m_time; }

    /// Draws the textured quads that follow with `shader` (null: the built-in sprite program).
    virtual void useShader(lang::Ref<Shader> shader) = 0;

    /// Which renderer module made the context.
    virtual RendererKind kind() const = 0;
    /// 0 upright, 1, 2, 3: the screen turned by that many quarter turns (see `setOrientation`).
    virtual int orientation() const = 0;
    /// True while the context can draw (it has a surface of non-zero size).
    virtual bool isReady() const = 0;
    /// Turns the picture: with orientation 1 the context's x axis runs down the window and its
    /// y axis from right to left, 2 is upside down, 3 the opposite of 1. Width and height swap
    /// for 1 and 3.
    virtual void setOrientation(int orientation) = 0;
    /// The folder `loadShader` reads program files from.
    virtual void setShaderPath(const std::string& path) = 0;
    /// Sets the clock (seconds).
    void setTime(float seconds) { m_time = seconds; }
    /// The window's drawable area changed to width × height pixels (window orientation).
    virtual void resize(int width, int height) = 0;

    /// Starts drawing a frame.
    virtual void beginScene() = 0;
    /// Sends everything drawn since `beginScene` to the driver.
    virtual void endScene() = 0;
    /// Copies the frame (as drawn so far, or the last one presented), as the context sees it,
    /// into `into` when that has the context's size, else into a new image; returns the image.
    virtual lang::Ref<Image> captureFrame(lang::Ref<Image> into) = 0;

    /// Fills the whole frame with `colour`, ignoring the render state.
    virtual void clear(std::uint32_t colour) = 0;
    /// Shows the frame in the window.
    virtual void present() = 0;
    /// Writes the last frame to `path` as an opaque PNG. Throws `gr::GraphicsException`.
    virtual void saveScreen(const std::string& path) = 0;
    /// Closes the frame's bookkeeping: the counters of `frameStats` roll over.
    virtual void endFrame() = 0;
    /// The counters of the last frame closed by `endFrame`.
    virtual FrameStats frameStats() const = 0;

private:
    RenderState m_state;
    float m_time = 0.0f;
};

/// The signature of a renderer module's exported "createContext": client width and height,
/// orientation, the window (an `SDL_Window*`) and a device context (null on this platform).
/// Returns a new context, not yet counted, or null.
using CreateContextFunction = Context* (*)(int width, int height, int orientation, void* window, void* deviceContext);

} // namespace gr
