#include "io/ConfinedName.h"
#include "io/PathName.h"

#include <gtest/gtest.h>

namespace {

TEST(ConfinedName, OnlyNamesThatClimbOutOfTheirFolderAreRefused) {
    struct Case {
        const char* name;
        bool confined;
    };
    const Case cases[] = {
        {"x.lua", true},
        {"v1..2.lua", true},
        {"..x", true},
        {"x..", true},
        {".hidden", true},
        {"a/../x.lua", true},
        {"a/./b", true},
        {"", true},
        {".", true},
        {"/abs.lua", true},
        {"\\abs.lua", true},
        {"a/..", true},
        {"..", false},
        {"../x.lua", false},
        {"a/../../x.lua", false},
        {"..\\x.lua", false},
        {"/../x.lua", false},
        {"//../x.lua", false},
        {"\\..\\x.lua", false},
        {"a//../../x", false},
        // Longer than a short string's inline buffer: the normalised text lives on the heap.
        {"../../etc/a-name-longer-than-sixteen-bytes.lua", false},
        {"saves/a-name-longer-than-sixteen-bytes.lua", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(io::isConfined(c.name), c.confined) << c.name;
        // What the check allows stays inside when joined as the data folder joins names.
        const std::string joined = io::PathName("data", c.name).toString();
        EXPECT_EQ(joined == "data" || joined.starts_with("data/"), c.confined) << c.name << " -> " << joined;
    }
}

} // namespace
