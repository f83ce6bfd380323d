#pragma once

#include "game/IFont.h"
#include "game/SpriteSheet.h"
#include "lang/Ref.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace game {

class ContainerFile;

/// A font whose glyphs are sprites on one texture, read from a resource container's "FONT"
/// chunk (or a file of the older layout without the magic). A glyph's sprite is named by its code
/// point in decimal; its pivot is on the baseline at the glyph's left edge, and its width is the
/// advance. Counted; main thread only.
class BitmapFont : public IFont {
public:
    /// Draws one glyph in place of the plain sprite drawing (for effects); gets the glyph's
    /// sprite and the point of its baseline's left end.
    using GlyphDrawer = std::function<void(gr::Context&, const Sprite&, float x, float y)>;

    /// Reads the font at `path` in the game's data folder; the glyph texture it names (relative
    /// to the container's folder) is decoded through `context` at once. Raises
    /// `io::IOException` for a malformed or truncated file.
    BitmapFont(gr::Context& context, const std::string& path);
    /// Reads a font file already in memory.
    BitmapFont(gr::Context& context, const ContainerFile& file);
    ~BitmapFont() override;

    void drawPart(gr::Context& context, const std::string& text, int start, int count, float x, float y,
                  Anchors anchors) override;
    std::string filter(const std::string& text) const override;
    bool hasCharacter(std::uint32_t codePoint) const override;
    int width(const std::string& text, int start = 0, int count = kAll) override;
    int height(const std::string& text, int start = 0, int count = kAll) override;
    int maxAscending() const override { return m_maxAscending; }
    int maxDescending() const override { return m_maxDescending; }
    int leading() const override { return m_leading; }
    int tracking() const override { return m_tracking; }
    TextBounds bounds(const std::string& text, Anchors anchors, int start = 0, int count = kAll) override;

    /// Replaces the plain glyph drawing; an empty function restores it.
    void setGlyphDrawer(GlyphDrawer drawer) { m_glyphDrawer = std::move(drawer); }
    /// The sheet holding the glyph texture and sprites.
    const SpriteSheet& sheet() const { return *m_sheet; }

private:
    std::map<std::int32_t, lang::Ref<Sprite>> m_glyphs;
    lang::Ref<SpriteSheet> m_sheet;
    int m_tracking = 0;
    int m_maxAscending = 0;
    int m_maxDescending = 0;
    int m_leading = 0;
    GlyphDrawer m_glyphDrawer;
};

} // namespace game
