#include "io/FileType.h"

#include <string>

namespace io {

namespace {

struct Extension {
    const char* upperCase;
    FileType type;
};

constexpr Extension kExtensions[] = {
    {"BMP", FileType::BMP}, {"TGA", FileType::TGA}, {"JPG", FileType::JPG}, {"JPEG", FileType::JPG},
    {"DDS", FileType::DDS}, {"PSD", FileType::PSD}, {"PNG", FileType::PNG}, {"PCX", FileType::PCX},
    {"PNM", FileType::PNM}, {"GIF", FileType::GIF}, {"TIF", FileType::TIF}, {"TIFF", FileType::TIF},
    {"PVR", FileType::PVR}, {"WAV", FileType::WAV}, {"MP3", FileType::MP3}, {"HGR", FileType::HGR},
    {"RAW", FileType::RAW},
};

} // namespace

FileType getFileType(std::string_view fileName) {
    const size_t point = fileName.rfind('.');
    if (point == std::string_view::npos)
        return FileType::UNKNOWN;
    std::string extension(fileName.substr(point + 1));
    for (char& c : extension)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    for (const Extension& known : kExtensions)
        if (extension == known.upperCase)
            return known.type;
    return FileType::UNKNOWN;
}

} // namespace io
