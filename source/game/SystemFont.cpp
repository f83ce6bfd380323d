#include "game/SystemFont.h"

#include "game/LabelPool.h"
#include "game/TextRange.h"
#include "game/ttf/FontFaces.h"
#include "game/ttf/TrueTypeFont.h"
#include "lang/Exception.h"
#include "lang/Format.h"
#include "renderer/Context.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace game {

namespace {

const char* styleName(int style) {
    static const char* const kNames[] = {"Normal", "Bold", "Italic"};
    return style >= 0 && style <= 2 ? kNames[style] : "Unknown";
}

// A channel in 0..1; NaN counts as 0. Label keys are ordered by colour, and NaN has no order.
float colourChannel(float channel) { return channel > 0.0f ? std::min(channel, 1.0f) : 0.0f; }

std::array<float, 4> validColour(const std::array<float, 4>& colour) {
    return {colourChannel(colour[0]), colourChannel(colour[1]), colourChannel(colour[2]), colourChannel(colour[3])};
}

std::uint8_t colourByte(float channel) { return static_cast<std::uint8_t>(std::lround(channel * 255.0f)); }

// The face the family draws `style` with; raises the messages scripts see.
ttf::FontFace findFace(const std::string& family, int style) {
    const std::vector<ttf::FontFace> faces = ttf::facesOf(family);
    if (faces.empty())
        throw lang::Exception(lang::Format("Font {0} is not available.", family));
    const ttf::FontFace* face = ttf::chooseFace(faces, style);
    if (!face)
        throw lang::Exception(lang::Format("Style {0} is not available for font {1}.", styleName(style), family));
    return *face;
}

} // namespace

/// What a system font is: the face opened at its size, and the parts of its label keys.
class SystemFont::Impl : public lang::Object {
public:
    Impl(const std::string& family, int size, const std::array<float, 4>& colour, int style)
        : m_key{family, size, validColour(colour), {}, style} {
        // The font library quietly makes a 2-pixel font of any size below 1.
        if (size < 1)
            throw lang::Exception(lang::Format("Font size {0} is not a positive number of points.", size));
        const ttf::FontFace face = findFace(family, style);
        m_font = std::make_unique<ttf::TrueTypeFont>(face.file, face.index, size);
    }
    ~Impl() override {
        m_font.reset();
        // Labels outliving every font would hold textures nobody draws.
        if (ttf::TrueTypeFont::liveFonts() == 0)
            LabelPool::shared().clear();
    }

    const ttf::TrueTypeFont& font() const { return *m_font; }

    /// The key of `text` drawn with this font.
    LabelPool::Key key(std::string_view text) const {
        LabelPool::Key key = m_key;
        key.text = text;
        return key;
    }

    /// Renders `text` into a new texture of `context`; null when the text covers no pixels (a
    /// texture without pixels means nothing to a renderer).
    lang::Ref<LabelPool::Label> render(gr::Context& context, std::string_view text) const {
        const std::array<float, 4>& c = m_key.colour;
        const ttf::TextBitmap bitmap =
            m_font->render(text, {colourByte(c[0]), colourByte(c[1]), colourByte(c[2]), colourByte(c[3])});
        if (bitmap.width == 0 || bitmap.height == 0)
            return nullptr;
        lang::Ref<gr::Image> texture = context.createTexture(bitmap.width, bitmap.height);
        texture->upload(bitmap.pixels.data());
        return new LabelPool::Label(std::move(texture));
    }

private:
    LabelPool::Key m_key; ///< everything but the text
    std::unique_ptr<ttf::TrueTypeFont> m_font;
};

// Measuring needs no window on this platform, so the context is not used here.
SystemFont::SystemFont(gr::Context&, const std::string& family, int size, const std::array<float, 4>& colour, int style)
    : m_impl(new Impl(family, size, colour, style)) {}

SystemFont::~SystemFont() = default;

const std::vector<std::string>& SystemFont::availableFamilies() {
    static const std::vector<std::string> families = ttf::installedFamilies();
    return families;
}

void SystemFont::drawPart(gr::Context& context, const std::string& text, int start, int count, float x, float y,
                          Anchors anchors) {
    const std::string_view part = utf8ByteRange(text, start, count);
    if (part.empty())
        return;
    LabelPool& pool = LabelPool::shared();
    const LabelPool::Key key = m_impl->key(part);
    lang::Ref<LabelPool::Label> label = pool.find(key);
    if (!label) {
        label = m_impl->render(context, part);
        if (!label)
            return;
        pool.store(key, label);
    }
    const Offset offset = anchorOffset(anchors, label->width());
    label->draw(context, x + offset.x, y + offset.y);
}

int SystemFont::width(const std::string& text, int start, int count) {
    return m_impl->font().measure(utf8ByteRange(text, start, count)).width;
}

int SystemFont::height(const std::string& text, int start, int count) {
    return m_impl->font().measure(utf8ByteRange(text, start, count)).height;
}

int SystemFont::maxAscending() const { return m_impl->font().ascent(); }

int SystemFont::maxDescending() const { return m_impl->font().descent(); }

int SystemFont::leading() const { return m_impl->font().lineSkip(); }

TextBounds SystemFont::bounds(const std::string& text, Anchors anchors, int start, int count) {
    const ttf::TextSize size = m_impl->font().measure(utf8ByteRange(text, start, count));
    const Offset offset = anchorOffset(anchors, size.width);
    return {offset.x, offset.y, offset.x + size.width, offset.y + size.height};
}

SystemFont::Offset SystemFont::anchorOffset(Anchors anchors, int width) const {
    Offset offset{0, 0};
    switch (anchors.horizontal) {
    case HorizontalAnchor::HCenter:
        offset.x = -(width >> 1);
        break;
    case HorizontalAnchor::Right:
        offset.x = -width;
        break;
    case HorizontalAnchor::Left:
    case HorizontalAnchor::HPivot:
        break;
    }
    switch (anchors.vertical) {
    case VerticalAnchor::VCenter:
        offset.y = -((maxAscending() >> 1) + maxDescending());
        break;
    case VerticalAnchor::Baseline:
        offset.y = -maxAscending();
        break;
    case VerticalAnchor::Bottom:
        offset.y = -fontHeight();
        break;
    case VerticalAnchor::Top:
    case VerticalAnchor::VPivot:
        break;
    }
    return offset;
}

} // namespace game
