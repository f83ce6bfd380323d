#pragma once

#include "Command.h"

#include <filesystem>
#include <string>

namespace datatool {

/// Reads a composite sprite description ("composite NAME" starts a composite, "part SPRITE X Y"
/// adds a part whose sprite pivot lies at (X, Y) from the composite's origin, "extra NAME A B"
/// adds an extra record; blank lines and '#' lines skipped) and writes a container with one
/// composite sprite chunk to `output`: version 2 when any extra record is given, else version 1.
/// Returns the summary line. Raises `lang::Exception` "DESCRIPTION:LINE: ..." for an unknown
/// keyword, a wrong number of words, a number out of the 16-bit range, a part or extra before any
/// composite, a composite without parts, or a composite name given twice.
std::string buildComposites(const std::filesystem::path& description, const std::filesystem::path& output);

/// `tumble-data compo DESCRIPTION OUT.dat`.
extern const Command kCompoCommand;

} // namespace datatool
