#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace game::ttf {

/// Pixels a text covers.
struct TextSize {
    int width = 0;
    int height = 0;
};

/// Rendered text: width × height pixels 0xAARRGGBB with the colour multiplied by alpha, rows
/// from the top, as textures take them.
struct TextBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

/// One opened font face at one size, measuring and rendering anti-aliased text. Text is UTF-8;
/// each '\n' starts a new line (a '\r' before it is dropped), lines one line skip apart. The
/// font library is started with the first live font and shut down with the last. Main thread.
class TrueTypeFont {
public:
    /// Opens face `index` of `file` at `points` points, at 96 dots per inch. Raises
    /// `lang::Exception` when the file cannot be opened as a font.
    TrueTypeFont(const std::string& file, int index, int points);
    ~TrueTypeFont();
    TrueTypeFont(const TrueTypeFont&) = delete;
    TrueTypeFont& operator=(const TrueTypeFont&) = delete;

    /// Pixels above the baseline.
    int ascent() const;
    /// Pixels below the baseline (positive).
    int descent() const;
    /// Pixels from one baseline to the next.
    int lineSkip() const;

    /// The size `render` gives the text; 0 × 0 for an empty text.
    TextSize measure(std::string_view text) const;
    /// Renders the text in `rgba` (bytes red, green, blue, alpha). A line the library fails to
    /// render stays transparent.
    TextBitmap render(std::string_view text, const std::array<std::uint8_t, 4>& rgba) const;

    /// Fonts open now in the process.
    static int liveFonts();

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
};

} // namespace game::ttf
