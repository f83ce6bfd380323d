#pragma once

#include "Command.h"

#include <filesystem>
#include <ostream>

namespace datatool {

/// Prints a resource container readably to `out`: the payload size, each chunk's id and size,
/// and the records of sprite sheet, composite sprite, bitmap font and text table chunks (other
/// chunks by id and size only). Every read is bounded by the file: a file without the magic, a
/// chunk or sub-chunk larger than what remains, a record cut short or bytes left after a chunk's
/// records raise `lang::Exception` (or `io::IOException`) naming the file, after what was read
/// before has been printed.
void dumpContainer(const std::filesystem::path& file, std::ostream& out);

/// `tumble-data dump FILE`.
extern const Command kDumpCommand;

} // namespace datatool
