#include "MaskedImage.h"

#include "game/Sprite.h"
#include "game/SpriteSheet.h"
#include "renderer/Context.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr const char* kMaskedProgram = "2d-sprite-alpha-masked";
/// Pieces one picture may be cut into; a texture tiny beside its mask is laid in larger tiles
/// rather than in millions of quads.
constexpr double kMaxPieces = 4096.0;

/// Where a picture's extent along one axis meets one tile: the offset and length within the
/// picture and the fractions of the tile covered, all along that axis.
struct Span {
    float offset, length, tileFrom, tileTo;
};

/// The picture's extent [start, start + length) cut at the multiples of `tile`.
std::vector<Span> spansAlong(float start, float length, float tile) {
    std::vector<Span> spans;
    const float end = start + length;
    const double first = std::floor(static_cast<double>(start) / tile);
    const auto count = static_cast<std::int64_t>(std::ceil(static_cast<double>(end) / tile) - first);
    for (std::int64_t i = 0; i < count; ++i) {
        const auto cellStart = static_cast<float>((first + static_cast<double>(i)) * tile);
        const float from = std::max(start, cellStart);
        const float to = std::min(end, cellStart + tile);
        if (to > from)
            spans.push_back({from - start, to - from, (from - cellStart) / tile, (to - cellStart) / tile});
    }
    return spans;
}

/// The texture coordinates of the part (fractions u0..u1, v0..v1) of the sprite's rectangle.
gr::TexCoords partOf(const gr::TexCoords& whole, float u0, float u1, float v0, float v1) {
    const float left = whole.uv[0];
    const float top = whole.uv[1];
    const float width = whole.uv[6] - left;
    const float height = whole.uv[7] - top;
    const float l = left + width * u0;
    const float r = left + width * u1;
    const float t = top + height * v0;
    const float b = top + height * v1;
    return {{l, t, r, t, l, b, r, b}};
}

lang::Ref<gr::Image> textureOf(const game::Sprite& sprite) {
    return sprite.sheet() ? sprite.sheet()->texture() : nullptr;
}

} // namespace

MaskedImage::MaskedImage(gr::Context& context) : m_context(context) {}

MaskedImage::~MaskedImage() = default;

bool MaskedImage::add(const game::Sprite& mask, const game::Sprite& texture, float x, float y) {
    const lang::Ref<gr::Image> maskImage = textureOf(mask);
    const lang::Ref<gr::Image> textureImage = textureOf(texture);
    const auto width = static_cast<float>(mask.width());
    const auto height = static_cast<float>(mask.height());
    auto tileWidth = static_cast<float>(texture.width());
    auto tileHeight = static_cast<float>(texture.height());
    const float left = x - static_cast<float>(mask.pivotX());
    const float top = y - static_cast<float>(mask.pivotY());
    if (!maskImage || !textureImage || width <= 0.0f || height <= 0.0f || tileWidth <= 0.0f || tileHeight <= 0.0f ||
        !std::isfinite(left) || !std::isfinite(top))
        return false;
    const double tiles = (std::floor(width / tileWidth) + 2.0) * (std::floor(height / tileHeight) + 2.0);
    if (tiles > kMaxPieces) {
        const auto enlarge = static_cast<float>(std::ceil(std::sqrt(tiles / kMaxPieces)));
        tileWidth *= enlarge;
        tileHeight *= enlarge;
    }
    const gr::RenderState& state = m_context.state();
    for (const Span& row : spansAlong(top, height, tileHeight)) {
        for (const Span& column : spansAlong(left, width, tileWidth)) {
            Piece piece{maskImage,
                        textureImage,
                        state,
                        left + column.offset,
                        top + row.offset,
                        column.length,
                        row.length,
                        partOf(mask.texCoords(), column.offset / width, (column.offset + column.length) / width,
                               row.offset / height, (row.offset + row.length) / height),
                        partOf(texture.texCoords(), column.tileFrom, column.tileTo, row.tileFrom, row.tileTo)};
            // Every piece turns about the picture's own pivot.
            piece.state.pivotX -= column.offset;
            piece.state.pivotY -= row.offset;
            m_pieces.push_back(std::move(piece));
        }
    }
    return true;
}

void MaskedImage::finish() {
    if (m_pieces.empty())
        return;
    if (!m_programLoaded) {
        m_program = m_context.loadShader(kMaskedProgram);
        m_programLoaded = true;
    }
    {
        const gr::SavedRenderState saved(m_context.state());
        drawPieces(m_program.get());
    }
    m_pieces.clear();
}

void MaskedImage::drawPieces(gr::Shader* program) {
    if (program) {
        m_context.useShader(program);
        program->setFloat("ALPHA_FACTOR", 1.0f);
    }
    const gr::Image* bound = nullptr;
    for (const Piece& piece : m_pieces) {
        m_context.state() = piece.state;
        if (!program) {
            m_context.drawTexturedQuad(*piece.mask, piece.x, piece.y, piece.w, piece.h, piece.maskCoords);
            continue;
        }
        // Setting the texture ends the run of quads: only when it really changes.
        if (piece.texture.get() != bound) {
            program->setTexture("BASEMAP1", piece.texture);
            bound = piece.texture.get();
        }
        m_context.drawDualTexturedQuad(*piece.mask, piece.x, piece.y, piece.w, piece.h, piece.maskCoords,
                                       piece.textureCoords);
    }
    if (program) {
        program->setTexture("BASEMAP1", nullptr);
        m_context.useShader(nullptr);
    }
}
