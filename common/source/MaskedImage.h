#pragma once

#include "lang/Ref.h"
#include "renderer/Image.h"
#include "renderer/RenderState.h"
#include "renderer/Shader.h"

#include <vector>

namespace gr {
class Context;
}
namespace game {
class Sprite;
}

/// Pictures made of a texture shown through a sprite's alpha (the textured ground and static
/// blocks). The texture is laid in tiles of its own size, the tile grid fixed to scene pixels
/// where the picture stands unrotated, and turns with the picture. Pictures are collected while
/// a layer is drawn and drawn together, in the order added, by `finish`; consecutive quads with
/// the same mask and texture images go out in one draw call. Main thread only.
class MaskedImage {
public:
    /// Draws through `context`, which must outlive this.
    explicit MaskedImage(gr::Context& context);
    ~MaskedImage();
    MaskedImage(const MaskedImage&) = delete;
    MaskedImage& operator=(const MaskedImage&) = delete;

    /// Collects `mask` placed with its pivot at (x, y) (scene pixels) through the render state
    /// as it is now, filled with `texture`. False, collecting nothing, when either sprite's sheet
    /// has no texture or either sprite has no size.
    bool add(const game::Sprite& mask, const game::Sprite& texture, float x, float y);
    /// Draws what was collected with the program "2d-sprite-alpha-masked" (or, where the context
    /// has no programs, the masks as they are), then forgets it. The render state is as before
    /// and the context is back on its built-in sprite program.
    void finish();

private:
    /// One tile's part of a picture, as the context receives it.
    struct Piece {
        lang::Ref<gr::Image> mask;
        lang::Ref<gr::Image> texture;
        gr::RenderState state;
        float x, y, w, h;
        gr::TexCoords maskCoords;
        gr::TexCoords textureCoords;
    };

    void drawPieces(gr::Shader* program);

    gr::Context& m_context;
    lang::Ref<gr::Shader> m_program;
    bool m_programLoaded = false;
    std::vector<Piece> m_pieces;
};
