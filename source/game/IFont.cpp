#include "game/IFont.h"

namespace game {

IFont::~IFont() = default;

} // namespace game
