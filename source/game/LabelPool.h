#pragma once

#include "lang/Object.h"
#include "lang/Ref.h"
#include "renderer/Image.h"

#include <array>
#include <compare>
#include <cstddef>
#include <list>
#include <map>
#include <string>

namespace gr {
class Context;
}

namespace game {

/// The textures of rendered system-font text, shared by every system font so that a string is
/// rasterised once and then drawn from its texture. Bounded by a budget of texture bytes: the
/// least recently used labels (drawn or stored longest ago) go first. Main thread only.
class LabelPool {
public:
    /// Identifies one rendered text: font family, size in points, colour (r, g, b, a in 0..1),
    /// the text itself (UTF-8) and style (0 Normal, 1 Bold, 2 Italic).
    struct Key {
        std::string family;
        int size = 0;
        std::array<float, 4> colour{};
        std::string text;
        int style = 0;

        auto operator<=>(const Key&) const = default;
    };

    /// One rendered text: a texture of the renderer drawn whole, at whole pixels. Counted.
    class Label : public lang::Object {
    public:
        /// Takes a counted reference to `texture`, which holds the text already uploaded.
        explicit Label(lang::Ref<gr::Image> texture);
        ~Label() override;

        /// Width of the text in pixels.
        int width() const { return m_texture->width(); }
        /// Height of the text in pixels.
        int height() const { return m_texture->height(); }
        /// Bytes of texture memory held.
        std::size_t byteSize() const { return m_texture->byteSize(); }
        /// Draws the texture at its natural size with its top-left corner at (x, y), both cut to
        /// whole pixels (towards 0) so the text stays sharp.
        void draw(gr::Context& context, float x, float y) const;

    private:
        lang::Ref<gr::Image> m_texture;
        int m_xOffset = 0;
        int m_yOffset = 0;
    };

    /// Texture bytes the shared pool keeps at most: 5 MiB.
    static constexpr std::size_t kBudget = 0x500000;

    /// An empty pool holding at most `budget` bytes of textures.
    explicit LabelPool(std::size_t budget = kBudget) : m_budget(budget) {}

    /// The pool every system font uses.
    static LabelPool& shared();

    /// The label stored under `key`, now the most recently used; null if none. The pool keeps
    /// it alive until the next `store` or `clear`.
    Label* find(const Key& key);
    /// Stores `label` under `key` (replacing what was there), first dropping the least recently
    /// used labels until it fits in the budget. A label larger than the whole budget is not
    /// stored and drops nothing; the caller draws it from its own reference. Returns whether it
    /// was stored.
    bool store(const Key& key, lang::Ref<Label> label);
    /// Drops every label.
    void clear();

    /// Bytes of the textures stored now.
    std::size_t bytes() const { return m_bytes; }
    /// Labels stored now.
    std::size_t size() const { return m_labels.size(); }

private:
    struct Entry {
        lang::Ref<Label> label;
        std::list<const Key*>::iterator use; ///< place in the use order
    };
    using Entries = std::map<Key, Entry>;

    void erase(Entries::iterator entry);

    std::size_t m_budget;
    std::size_t m_bytes = 0;
    Entries m_labels;
    std::list<const Key*> m_useOrder; ///< least recently used first
};

} // namespace game
