#pragma once

#include "Command.h"

#include <filesystem>
#include <string>

namespace datatool {

/// Reads a tab-separated UTF-8 table (a header row "id" and the language codes, then one row per
/// identifier with one string per language; escapes \n, \t and \\ in strings; blank lines and
/// '#' lines skipped) and writes a container with one text table chunk to `output`: the language
/// list, the identifier list, then one string group per language in the header's order. Returns
/// the summary line. Raises `lang::Exception` "TABLE:LINE: ..." for a row with the wrong number of
/// cells, a repeated identifier or language, an unknown escape, or a string too long to store.
std::string buildTextTable(const std::filesystem::path& table, const std::filesystem::path& output);

/// `tumble-data text TABLE OUT.dat`.
extern const Command kTextCommand;

} // namespace datatool
