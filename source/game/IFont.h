#pragma once

#include "game/Anchor.h"
#include "lang/Object.h"

#include <cstdint>
#include <string>

namespace gr {
class Context;
}

namespace game {

/// A rectangle relative to a drawing point, pixels.
struct TextBounds {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

/// Everything on screen that is text is drawn through a font. Text is UTF-8. A range is given
/// by `start` and `count`, clamped to the text: code points for a bitmap font, bytes for a system
/// font. Metrics are whole pixels. Counted; main thread only.
class IFont : public lang::Object {
public:
    /// Every character, whatever the text's length.
    static constexpr int kAll = 0x7FFFFFFF;

    ~IFont() override;

    /// Draws the range of `text` with the point chosen by `anchors` at (x, y).
    virtual void drawPart(gr::Context& context, const std::string& text, int start, int count, float x, float y,
                          Anchors anchors) = 0;
    /// Draws the whole text.
    void draw(gr::Context& context, const std::string& text, float x, float y, Anchors anchors) {
        drawPart(context, text, 0, kAll, x, y, anchors);
    }
    /// The text without the characters this font cannot draw.
    virtual std::string filter(const std::string& text) const = 0;
    /// Whether the font can draw the code point.
    virtual bool hasCharacter(std::uint32_t codePoint) const = 0;
    /// Width of the range.
    virtual int width(const std::string& text, int start = 0, int count = kAll) = 0;
    /// Height of the range.
    virtual int height(const std::string& text, int start = 0, int count = kAll) = 0;
    /// Max ascending plus max descending.
    int fontHeight() const { return maxAscending() + maxDescending(); }
    /// Pixels above the baseline.
    virtual int maxAscending() const = 0;
    /// Pixels below the baseline.
    virtual int maxDescending() const = 0;
    /// Extra pixels between lines.
    virtual int leading() const = 0;
    /// Pixels added between characters.
    virtual int tracking() const = 0;
    /// The box the range covers when drawn at (0, 0) with `anchors`.
    virtual TextBounds bounds(const std::string& text, Anchors anchors, int start = 0, int count = kAll) = 0;
};

} // namespace game
