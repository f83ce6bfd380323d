#pragma once

#include "game/Anchor.h"
#include "game/CompoSprite.h"
#include "game/Sprite.h"
#include "lang/Ref.h"

#include <string>

namespace game {
class Resources;
}
namespace gr {
class Context;
}

/// The size and pivot of a sprite, in pixels.
struct SpriteMeasurements {
    float width = 0.0f;
    float height = 0.0f;
    float pivotX = 0.0f;
    float pivotY = 0.0f;
};

/// A plain or composite sprite found by name in the resources, or nothing. It holds the picture
/// counted, so a sheet released after the lookup leaves a sprite that draws nothing rather than
/// a dangling one; resolve again after sheets are reloaded. Main thread only.
struct ResolvedSprite {
    /// At most one of the two is set.
    lang::Ref<game::Sprite> sprite;
    lang::Ref<game::CompoSprite> composite;

    /// The drawable the resources index under `name`; empty for an unknown name.
    static ResolvedSprite find(const game::Resources& resources, const std::string& name);
    /// True when a picture was found.
    explicit operator bool() const { return sprite || composite; }
    /// Its size and pivot, pixels; all 0 when empty.
    SpriteMeasurements measure() const;
    /// Draws it with the point `anchors` choose at (x, y) through the context's render state;
    /// nothing when empty.
    void draw(gr::Context& context, float x, float y, game::Anchors anchors) const;
};
