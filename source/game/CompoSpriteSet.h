#pragma once

#include "game/CompoSprite.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <map>
#include <string>

namespace io {
class InputStream;
}

namespace game {

class ContainerFile;
class SpriteProvider;

/// The composite sprites of one resource container's "COMP" chunks (versions 1 and 2; other
/// versions are skipped whole). Counted.
class CompoSpriteSet : public lang::Object {
public:
    /// Reads `stream` (named by its `toString` in messages); every part's sprite is looked up in
    /// `sprites`. Raises `io::IOException` "Malformed QPF2 file: {0}" for a file without the
    /// magic or cut short, and `lang::Exception` "Sprite \"{0}\" not loaded while loading {1}"
    /// for a part whose sprite is unknown.
    CompoSpriteSet(io::InputStream& stream, const SpriteProvider& sprites);
    /// Reads a file already in memory.
    CompoSpriteSet(const ContainerFile& file, const SpriteProvider& sprites);
    ~CompoSpriteSet() override;

    /// Every composite, in name order.
    const std::map<std::string, lang::Ref<CompoSprite>>& composites() const { return m_composites; }

private:
    std::map<std::string, lang::Ref<CompoSprite>> m_composites;
};

} // namespace game
