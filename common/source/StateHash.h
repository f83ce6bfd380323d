#pragma once

#include "GameObject.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

/// The hash `--state-hash` prints, which two runs share exactly when they ended alike: FNV-1a 64
/// over every object in name order (its name, a zero byte, then its body's x, y and angle as the
/// floats' exact bits, each four bytes low byte first), then the score's float bits likewise.
std::uint64_t stateHash(const std::map<std::string, std::unique_ptr<GameObject>>& objects, float score);
