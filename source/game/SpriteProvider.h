#pragma once

#include "lang/Ref.h"

#include <string>

namespace game {

class Sprite;

/// Finds loaded plain sprites by name; composite sprite sets resolve their parts through it.
class SpriteProvider {
public:
    virtual ~SpriteProvider() = default;
    /// The plain sprite called `name`, or null (a composite sprite of that name does not count).
    virtual Sprite* findSprite(const std::string& name) const = 0;
};

} // namespace game
