#include "StateHash.h"

#include "lang/Fnv1a.h"

#include <array>
#include <bit>

namespace {

void addFloat(lang::Fnv1a& hash, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const std::array<unsigned char, 4> bytes{static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
                                             static_cast<unsigned char>(bits >> 16),
                                             static_cast<unsigned char>(bits >> 24)};
    hash.add(bytes.data(), bytes.size());
}

} // namespace

std::uint64_t stateHash(const std::map<std::string, std::unique_ptr<GameObject>>& objects, float score) {
    lang::Fnv1a hash;
    for (const auto& [name, object] : objects) {
        hash.add(name.c_str(), name.size() + 1);
        // Every object has its body from its creation to its removal.
        const Vector2 position = object->body.position();
        addFloat(hash, position.x);
        addFloat(hash, position.y);
        addFloat(hash, object->body.angle());
    }
    addFloat(hash, score);
    return hash.value();
}
