#pragma once

#include <string>
#include <vector>

namespace game::ttf {

/// One installed font file (or face of a collection) as the font configuration lists it.
/// Weight, slant and width are in the configuration's own units (regular 80, bold 200; roman
/// slant 0; normal width 100).
struct FontFace {
    std::string file; ///< path of the font file
    int index = 0;    ///< face index inside the file
    double weight = 0.0;
    int slant = 0;
    double width = 100.0;
};

/// The family names of every installed face, sorted, each once.
std::vector<std::string> installedFamilies();

/// Every installed face that has `family` among its names (compared as the configuration does:
/// case and blanks ignored). Empty when the family is not installed.
std::vector<FontFace> facesOf(const std::string& family);

/// The face of `faces` that draws `style` (0 Normal, 1 Bold, 2 Italic; oblique counts as
/// italic), the closest to regular weight and normal width; null when none does or the style
/// is unknown. Points into `faces`.
const FontFace* chooseFace(const std::vector<FontFace>& faces, int style);

} // namespace game::ttf
