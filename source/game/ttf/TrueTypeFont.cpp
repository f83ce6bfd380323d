#include "game/ttf/TrueTypeFont.h"

#include "lang/Exception.h"
#include "lang/Format.h"

#include <SDL_ttf.h>

#include <algorithm>

namespace game::ttf {

namespace {

// Sizes are points on the desktop the game's fonts were chosen on.
constexpr unsigned kDotsPerInch = 96;

int s_liveFonts = 0;

// Calls `visit(line, number)` for each line of `text`.
template <class Visit> void forEachLine(std::string_view text, Visit visit) {
    int number = 0;
    for (;;) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line, number++);
        if (end == std::string_view::npos)
            return;
        text.remove_prefix(end + 1);
    }
}

std::uint32_t premultiplied(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    const auto scale = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
    return alpha << 24 | scale(argb >> 16 & 0xFF) << 16 | scale(argb >> 8 & 0xFF) << 8 | scale(argb & 0xFF);
}

// Copies a rendered line (32-bit ARGB) premultiplied into `bitmap` with its top-left at
// (0, top), cut to the bitmap.
void paste(const SDL_Surface& line, int top, TextBitmap& bitmap) {
    const int rows = std::min(line.h, bitmap.height - top);
    const int columns = std::min(line.w, bitmap.width);
    for (int y = 0; y < rows; ++y) {
        const auto* source = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(line.pixels) +
                                                                    static_cast<std::size_t>(y) * line.pitch);
        std::uint32_t* target = &bitmap.pixels[static_cast<std::size_t>(top + y) * bitmap.width];
        std::transform(source, source + columns, target, premultiplied);
    }
}

} // namespace

struct TrueTypeFont::Handle {
    TTF_Font* font;
};

TrueTypeFont::TrueTypeFont(const std::string& file, int index, int points) {
    if (s_liveFonts == 0 && TTF_Init() != 0)
        throw lang::Exception(lang::Format("TTF_Init failed: {0}", TTF_GetError()));
    TTF_Font* font = TTF_OpenFontIndexDPI(file.c_str(), points, index, kDotsPerInch, kDotsPerInch);
    if (!font) {
        const std::string error = TTF_GetError();
        if (s_liveFonts == 0)
            TTF_Quit();
        throw lang::Exception(lang::Format("Cannot open font file {0} at {1} points: {2}", file, points, error));
    }
    m_handle.reset(new Handle{font});
    ++s_liveFonts;
}

TrueTypeFont::~TrueTypeFont() {
    TTF_CloseFont(m_handle->font);
    if (--s_liveFonts == 0)
        TTF_Quit();
}

int TrueTypeFont::ascent() const { return TTF_FontAscent(m_handle->font); }

int TrueTypeFont::descent() const { return -TTF_FontDescent(m_handle->font); }

int TrueTypeFont::lineSkip() const { return TTF_FontLineSkip(m_handle->font); }

TextSize TrueTypeFont::measure(std::string_view text) const {
    if (text.empty())
        return {};
    TextSize size;
    forEachLine(text, [&](std::string_view line, int number) {
        int width = 0;
        if (!line.empty())
            TTF_SizeUTF8(m_handle->font, std::string(line).c_str(), &width, nullptr);
        size.width = std::max(size.width, width);
        size.height = number * lineSkip() + TTF_FontHeight(m_handle->font);
    });
    return size;
}

TextBitmap TrueTypeFont::render(std::string_view text, const std::array<std::uint8_t, 4>& rgba) const {
    const TextSize size = measure(text);
    TextBitmap bitmap{size.width, size.height,
                      std::vector<std::uint32_t>(static_cast<std::size_t>(size.width) * size.height, 0u)};
    const SDL_Color colour{rgba[0], rgba[1], rgba[2], rgba[3]};
    forEachLine(text, [&](std::string_view line, int number) {
        if (line.empty())
            return;
        SDL_Surface* surface = TTF_RenderUTF8_Blended(m_handle->font, std::string(line).c_str(), colour);
        if (!surface)
            return;
        if (surface->format->format == SDL_PIXELFORMAT_ARGB8888 && SDL_LockSurface(surface) == 0) {
            paste(*surface, number * lineSkip(), bitmap);
            SDL_UnlockSurface(surface);
        }
        SDL_FreeSurface(surface);
    });
    return bitmap;
}

int TrueTypeFont::liveFonts() { return s_liveFonts; }

} // namespace game::ttf
