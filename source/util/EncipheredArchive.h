#pragma once

#include "io/ZipFileInputStream.h"
#include "lang/Ref.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace util {

/// Opens an enciphered zip archive: `bytes` deciphered with `key` (padding mode 0) must form a
/// zip archive with at least one entry. `name` names the file in messages. Raises
/// `lang::Exception` "Deciphering {0} failed" or "{0} holds no entries", and the archive's own
/// exceptions when the deciphered bytes are no zip archive.
lang::Ref<io::ZipFileInputStream> openEncipheredArchive(std::span<const std::uint8_t> bytes,
                                                         std::span<const std::uint8_t> key, const std::string& name);

/// The bytes of a one-entry zip archive holding `content` under `entryName`, enciphered with
/// `key` (padding mode 0): what `openEncipheredArchive` opens.
std::vector<std::uint8_t> makeEncipheredArchive(const std::string& entryName, std::span<const std::uint8_t> content,
                                                std::span<const std::uint8_t> key);

} // namespace util
