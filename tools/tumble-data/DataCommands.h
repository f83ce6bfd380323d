#pragma once

#include "Command.h"

#include <filesystem>
#include <string>
#include <vector>

/// The data tool's commands. Each reads whole files, raises `lang::Exception` (or
/// `io::IOException`) with a message naming the file on bad input, and replaces its output only
/// when everything succeeded.
namespace datatool {

/// Packs `script` as the single entry of a zip archive (named after the file) and enciphers the
/// archive with the data key into `output`. Levels are packed the same way.
void packScript(const std::filesystem::path& script, const std::filesystem::path& output);

/// Deciphers `archive` with the data key and extracts its entries below `folder` (created when
/// missing). Entry names that would land outside the folder are refused. Returns the files written.
std::vector<std::filesystem::path> unpack(const std::filesystem::path& archive, const std::filesystem::path& folder);

/// Enciphers a saved table's text with the save key.
void encipherSave(const std::filesystem::path& input, const std::filesystem::path& output);

/// Deciphers a saved table written by the engine back to its text.
void decipherSave(const std::filesystem::path& input, const std::filesystem::path& output);

/// `tumble-data pack-script IN OUT`.
extern const Command kPackScriptCommand;
/// `tumble-data unpack FILE [OUTDIR]`.
extern const Command kUnpackCommand;
/// `tumble-data encipher-save IN OUT`.
extern const Command kEncipherSaveCommand;
/// `tumble-data decipher-save IN OUT`.
extern const Command kDecipherSaveCommand;

} // namespace datatool
