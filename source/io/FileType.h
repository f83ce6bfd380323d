#pragma once

#include <string_view>

namespace io {

/// The kinds of file the image and audio loaders understand, numbered as the scripts see them.
enum class FileType { UNKNOWN, BMP, TGA, JPG, DDS, PSD, PNG, PCX, PNM, GIF, TIF, PVR, WAV, MP3, HGR, RAW };

/// The kind of `fileName` by its extension, in any letter case ("x.jpeg" is JPG, "x.TIFF"
/// is TIF); UNKNOWN for a name without a point or with an extension not in the table.
FileType getFileType(std::string_view fileName);

} // namespace io
