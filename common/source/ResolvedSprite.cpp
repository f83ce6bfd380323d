#include "ResolvedSprite.h"

#include "game/Resources.h"

ResolvedSprite ResolvedSprite::find(const game::Resources& resources, const std::string& name) {
    const game::SpriteEntry* entry = resources.findEntry(name);
    if (!entry)
        return {};
    return {entry->sprite, entry->composite};
}

SpriteMeasurements ResolvedSprite::measure() const {
    if (sprite)
        return {static_cast<float>(sprite->width()), static_cast<float>(sprite->height()),
                static_cast<float>(sprite->pivotX()), static_cast<float>(sprite->pivotY())};
    if (composite)
        return {static_cast<float>(composite->width()), static_cast<float>(composite->height()),
                static_cast<float>(composite->pivotX()), static_cast<float>(composite->pivotY())};
    return {};
}

void ResolvedSprite::draw(gr::Context& context, float x, float y, game::Anchors anchors) const {
    if (sprite)
        sprite->draw(context, x, y, anchors);
    else if (composite)
        composite->draw(context, x, y, anchors);
}
