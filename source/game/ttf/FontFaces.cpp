#include "game/ttf/FontFaces.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace game::ttf {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using FontSet = std::unique_ptr<FcFontSet, FontSetDeleter>;

// Lists the installed faces matching `pattern` with the properties named in `objects`. The
// list, unlike a best match, never substitutes another family for a missing one.
FontSet list(FcPattern* pattern, FcObjectSet* objects) {
    std::unique_ptr<FcPattern, PatternDeleter> ownedPattern(pattern);
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> ownedObjects(objects);
    return FontSet(FcFontList(nullptr, pattern, objects));
}

// A weight or width may be stored as an integer or a real number; both read as a real.
double number(FcPattern* pattern, const char* object, double fallback) {
    double value = fallback;
    return FcPatternGetDouble(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

// Demibold and heavier draw as bold; anything lighter is a normal weight.
bool isBold(const FontFace& face) { return face.weight >= FC_WEIGHT_DEMIBOLD; }
bool isSlanted(const FontFace& face) { return face.slant != FC_SLANT_ROMAN; }

} // namespace

std::vector<std::string> installedFamilies() {
    std::vector<std::string> families;
    const FontSet set = list(FcPatternCreate(), FcObjectSetBuild(FC_FAMILY, nullptr));
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, n, &family) == FcResultMatch; ++n)
            families.emplace_back(reinterpret_cast<const char*>(family));
    }
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

std::vector<FontFace> facesOf(const std::string& family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    const FontSet set = list(pattern, FcObjectSetBuild(FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, FC_WIDTH, nullptr));
    std::vector<FontFace> faces;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
            continue;
        FontFace face;
        face.file = reinterpret_cast<const char*>(file);
        FcPatternGetInteger(font, FC_INDEX, 0, &face.index);
        FcPatternGetInteger(font, FC_SLANT, 0, &face.slant);
        face.weight = number(font, FC_WEIGHT, FC_WEIGHT_REGULAR);
        face.width = number(font, FC_WIDTH, FC_WIDTH_NORMAL);
        faces.push_back(std::move(face));
    }
    return faces;
}

const FontFace* chooseFace(const std::vector<FontFace>& faces, int style) {
    if (style < 0 || style > 2)
        return nullptr;
    const bool bold = style == 1;
    const bool italic = style == 2;
    const double targetWeight = bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR;
    const FontFace* best = nullptr;
    double bestDistance = 0.0;
    for (const FontFace& face : faces) {
        if (isBold(face) != bold || isSlanted(face) != italic)
            continue;
        // Weight decides first; the width only separates faces of equal weight (a condensed
        // cut sharing the family name must not win over the normal one).
        const double distance = std::abs(face.weight - targetWeight) * 1000.0 + std::abs(face.width - FC_WIDTH_NORMAL);
        if (!best || distance < bestDistance) {
            best = &face;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace game::ttf
