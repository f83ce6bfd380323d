#include "game/BitmapFont.h"

#include "game/ChunkReading.h"
#include "game/Container.h"
#include "lang/UTF.h"

#include <algorithm>
#include <limits>

namespace game {

namespace {

using Glyphs = std::map<std::int32_t, lang::Ref<Sprite>>;

/// The code points of `text` from `start`, at most `count`, both clamped to the text.
std::vector<std::uint32_t> codePointRange(const std::string& text, int start, int count) {
    std::vector<std::uint32_t> codePoints = lang::utf8ToCodePoints(text);
    const auto size = static_cast<std::int64_t>(codePoints.size());
    const std::int64_t first = std::clamp<std::int64_t>(start, 0, size);
    const std::int64_t last = first + std::clamp<std::int64_t>(count, 0, size - first);
    return {codePoints.begin() + first, codePoints.begin() + last};
}

const Sprite* findGlyph(const Glyphs& glyphs, std::uint32_t codePoint) {
    if (codePoint > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max()))
        return nullptr;
    const auto found = glyphs.find(static_cast<std::int32_t>(codePoint));
    return found == glyphs.end() ? nullptr : found->second.get();
}

/// Glyph widths plus one tracking step between characters, missing glyphs counted as steps.
int rangeWidth(const Glyphs& glyphs, const std::vector<std::uint32_t>& codePoints, int tracking) {
    if (codePoints.empty())
        return 0;
    // Long texts with a large tracking would overflow an int sum.
    auto width = static_cast<std::int64_t>(codePoints.size() - 1) * tracking;
    for (const std::uint32_t codePoint : codePoints) {
        if (const Sprite* glyph = findGlyph(glyphs, codePoint))
            width += glyph->width();
    }
    return static_cast<int>(
        std::clamp<std::int64_t>(width, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

/// The largest of `measure(glyph)` over the glyphs present, 0 when none is.
int largest(const Glyphs& glyphs, const std::vector<std::uint32_t>& codePoints, int (*measure)(const Sprite&)) {
    int result = 0;
    bool any = false;
    for (const std::uint32_t codePoint : codePoints) {
        if (const Sprite* glyph = findGlyph(glyphs, codePoint)) {
            result = any ? std::max(result, measure(*glyph)) : measure(*glyph);
            any = true;
        }
    }
    return result;
}

/// How far the baseline lies below the point the vertical anchor chooses.
int baselineBelow(VerticalAnchor anchor, int maxAscending, int maxDescending) {
    switch (anchor) {
    case VerticalAnchor::Top:
        return maxAscending;
    case VerticalAnchor::VCenter:
        return maxAscending - ((maxAscending + maxDescending) >> 1);
    case VerticalAnchor::Bottom:
        return -maxDescending;
    case VerticalAnchor::Baseline:
    case VerticalAnchor::VPivot:
        break;
    }
    return 0;
}

/// How far the text's left edge lies left of the point the horizontal anchor chooses.
int leftOfAnchor(HorizontalAnchor anchor, int width) {
    if (anchor == HorizontalAnchor::HCenter)
        return width >> 1;
    if (anchor == HorizontalAnchor::Right)
        return width;
    return 0;
}

int glyphHeight(const Sprite& glyph) { return glyph.height(); }

int glyphBaseline(const Sprite& glyph) { return glyph.pivotY(); }

} // namespace

BitmapFont::BitmapFont(gr::Context& context, const std::string& path)
    : BitmapFont(context, ContainerFile::openBundle(path)) {}

BitmapFont::BitmapFont(gr::Context& context, const ContainerFile& file) {
    // A glyph points at its sheet without counting it, so a later "FONT" chunk replaces the
    // glyphs together with the sheet rather than adding to glyphs of a sheet it drops.
    const auto readBody = [&](ChunkReader& reader) {
        io::DataInput& data = reader.data();
        const std::string texturePath = texturePathBeside(file.name(), data.readUTF());
        lang::Ref<SpriteSheet> sheet = new SpriteSheet(loadBundleTexture(context, texturePath));
        const int leading = data.readShort();
        const int tracking = data.readShort();
        const int count = data.readShort();
        Glyphs glyphs;
        int maxAscending = 0;
        int maxDescending = 0;
        for (int i = 0; i < count; ++i) {
            const auto codePoint = static_cast<std::uint16_t>(data.readShort());
            const std::int16_t x = data.readShort();
            const std::int16_t y = data.readShort();
            const std::int16_t width = data.readShort();
            const std::int16_t height = data.readShort();
            const std::int16_t baseline = data.readShort();
            maxAscending = std::max(maxAscending, static_cast<int>(baseline));
            maxDescending = std::max(maxDescending, height - baseline);
            glyphs[codePoint] = &sheet->addSprite(std::to_string(codePoint), x, y, width, height, 0, baseline);
        }
        m_glyphs = std::move(glyphs);
        m_sheet = std::move(sheet);
        m_leading = leading;
        m_tracking = tracking;
        m_maxAscending = maxAscending;
        m_maxDescending = maxDescending;
    };
    if (!file.isContainer()) {
        ChunkReader reader = file.readWhole();
        readBody(reader);
    } else {
        readChunks(file, kFontChunk, {1}, [&](ChunkReader& reader, int) { readBody(reader); });
    }
    // A container without a font chunk is a font without glyphs.
    if (!m_sheet)
        m_sheet = new SpriteSheet(nullptr);
}

BitmapFont::~BitmapFont() = default;

void BitmapFont::drawPart(gr::Context& context, const std::string& text, int start, int count, float x, float y,
                          Anchors anchors) {
    const std::vector<std::uint32_t> codePoints = codePointRange(text, start, count);
    y += static_cast<float>(baselineBelow(anchors.vertical, m_maxAscending, m_maxDescending));
    x -= static_cast<float>(leftOfAnchor(anchors.horizontal, rangeWidth(m_glyphs, codePoints, m_tracking)));
    for (const std::uint32_t codePoint : codePoints) {
        const Sprite* glyph = findGlyph(m_glyphs, codePoint);
        if (!glyph)
            continue;
        if (m_glyphDrawer)
            m_glyphDrawer(context, *glyph, x, y);
        else
            glyph->draw(context, x, y, kAtPivot);
        x += static_cast<float>(glyph->width() + m_tracking);
    }
}

std::string BitmapFont::filter(const std::string& text) const {
    std::vector<std::uint32_t> kept;
    for (const std::uint32_t codePoint : lang::utf8ToCodePoints(text)) {
        if (findGlyph(m_glyphs, codePoint))
            kept.push_back(codePoint);
    }
    return lang::codePointsToUtf8(kept);
}

bool BitmapFont::hasCharacter(std::uint32_t codePoint) const { return findGlyph(m_glyphs, codePoint) != nullptr; }

int BitmapFont::width(const std::string& text, int start, int count) {
    return rangeWidth(m_glyphs, codePointRange(text, start, count), m_tracking);
}

int BitmapFont::height(const std::string& text, int start, int count) {
    return largest(m_glyphs, codePointRange(text, start, count), glyphHeight);
}

TextBounds BitmapFont::bounds(const std::string& text, Anchors anchors, int start, int count) {
    const std::vector<std::uint32_t> codePoints = codePointRange(text, start, count);
    const int width = rangeWidth(m_glyphs, codePoints, m_tracking);
    TextBounds box;
    box.x0 = -leftOfAnchor(anchors.horizontal, width);
    box.y0 =
        baselineBelow(anchors.vertical, m_maxAscending, m_maxDescending) - largest(m_glyphs, codePoints, glyphBaseline);
    box.x1 = box.x0 + width;
    box.y1 = box.y0 + largest(m_glyphs, codePoints, glyphHeight);
    return box;
}

} // namespace game
