#include "game/TextGroup.h"

namespace game {

TextGroup::~TextGroup() = default;

const std::string& TextGroup::get(const std::string& identifier) {
    return m_strings.try_emplace(identifier, identifier).first->second;
}

} // namespace game
