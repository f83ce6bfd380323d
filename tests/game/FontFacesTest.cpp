#include "game/ttf/FontFaces.h"

#include <gtest/gtest.h>

TEST(FontFaces, AStyleIsDrawnByItsOwnFaceClosestToRegularAndNormalWidth) {
    using game::ttf::FontFace;
    // Weights and widths as the font configuration reports them; slant 100 italic, 110 oblique.
    const std::vector<FontFace> family = {
        {"condensed.ttf", 0, 80, 0, 87.5}, {"regular.ttf", 0, 80, 0, 100},
        {"extralight.ttf", 0, 40, 0, 100}, {"black.ttf", 0, 210, 0, 100},
        {"bold.ttf", 0, 200, 0, 100},      {"condensed-oblique.ttf", 0, 80, 110, 87.5},
        {"oblique.ttf", 0, 80, 110, 100},  {"bold-oblique.ttf", 0, 200, 110, 100},
    };
    const std::vector<FontFace> boldOnly = {{"bold.ttf", 0, 200, 0, 100}, {"semibold.ttf", 0, 180, 0, 100}};
    const std::vector<FontFace> lightOnly = {{"light.ttf", 0, 50, 0, 100}};
    struct Case {
        const std::vector<FontFace>* faces;
        int style;
        const char* file; // null: the style is not available
    };
    const Case cases[] = {
        {&family, 0, "regular.ttf"},  {&family, 1, "bold.ttf"}, {&family, 2, "oblique.ttf"}, {&family, 3, nullptr},
        {&family, -1, nullptr},       {&boldOnly, 0, nullptr},  {&boldOnly, 1, "bold.ttf"},  {&boldOnly, 2, nullptr},
        {&lightOnly, 0, "light.ttf"}, {&lightOnly, 1, nullptr}, {&lightOnly, 2, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " of " << c.faces->front().file);
        const FontFace* face = game::ttf::chooseFace(*c.faces, c.style);
        EXPECT_EQ(face ? face->file : "(none)", c.file ? c.file : "(none)");
    }
}
