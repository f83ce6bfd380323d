#pragma once

#include "game/IFont.h"
#include "lang/Ref.h"

#include <array>
#include <string>
#include <vector>

namespace game {

/// A font installed on the system, drawn anti-aliased in one colour. Each distinct text is
/// rendered once into a texture kept in the shared `LabelPool` and then drawn from there, so
/// every system font with the same family, size, colour and style reuses it. Ranges count bytes
/// of the UTF-8 text and never split a character; each '\n' starts a new line. The point (x, y)
/// of a drawing is the text's top-left corner unless the anchors move it. The font library is
/// started with the first system font, and shut down and the pool emptied with the last.
/// Counted; main thread only.
class SystemFont : public IFont {
public:
    /// Opens the installed `family` at `size` points (96 dots per inch) in `colour` (r, g, b, a
    /// in 0..1; a channel outside is clamped, NaN counts as 0) and `style` (0 Normal, 1 Bold,
    /// 2 Italic). Raises `lang::Exception` "Font size {0} is not a positive number of points."
    /// for a size below 1, "Font {0} is not available." when no installed face has that
    /// family, and "Style {0} is not available for font {1}." (Normal, Bold, Italic or Unknown)
    /// when the family has no face of that style. Textures are made through the context a
    /// drawing is given.
    SystemFont(gr::Context& context, const std::string& family, int size, const std::array<float, 4>& colour,
               int style);
    ~SystemFont() override;

    /// The family names of the installed fonts, sorted, each once; listed on the first call.
    static const std::vector<std::string>& availableFamilies();

    void drawPart(gr::Context& context, const std::string& text, int start, int count, float x, float y,
                  Anchors anchors) override;
    /// The text unchanged: a missing character is drawn as the font's replacement box.
    std::string filter(const std::string& text) const override { return text; }
    bool hasCharacter(std::uint32_t) const override { return true; }
    int width(const std::string& text, int start = 0, int count = kAll) override;
    int height(const std::string& text, int start = 0, int count = kAll) override;
    int maxAscending() const override;
    int maxDescending() const override;
    /// The distance from one baseline to the next.
    int leading() const override;
    int tracking() const override { return 0; }
    TextBounds bounds(const std::string& text, Anchors anchors, int start = 0, int count = kAll) override;

    class Impl;

private:
    /// How far the top-left corner of a text `width` pixels wide lies from the anchored point.
    struct Offset {
        int x;
        int y;
    };
    Offset anchorOffset(Anchors anchors, int width) const;

    lang::Ref<Impl> m_impl;
};

} // namespace game
