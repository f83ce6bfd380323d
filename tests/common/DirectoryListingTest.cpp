#include "DirectoryListing.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(DirectoryListingTest, MatchesTheLastPartSortedWithoutDotEntries) {
    gametest::TempFolder folder;
    for (const char* name : {"levels/b.lua", "levels/a.lua", "levels/c.txt", "levels/.hidden.lua", "levels/B.lua",
                             "levels/[a].lua", "levels/\xC3\xA9.lua"})
        gametest::writeFile(name, gametest::bytesOf("x"));
    std::filesystem::create_directories("levels/sub.lua");
    // Byte order: upper case before lower case, UTF-8 letters last.
    EXPECT_EQ(listMatchingEntries("levels/*.lua"),
              (std::vector<std::string>{"B.lua", "[a].lua", "a.lua", "b.lua", "sub.lua", "\xC3\xA9.lua"}));
    EXPECT_EQ(listMatchingEntries("levels/?.txt"), std::vector<std::string>{"c.txt"});
    EXPECT_TRUE(listMatchingEntries("levels/*.LUA").empty());
    // Brackets are no wildcards; a point file needs a point in the pattern.
    EXPECT_EQ(listMatchingEntries("levels/[a].lua"), std::vector<std::string>{"[a].lua"});
    EXPECT_EQ(listMatchingEntries("levels/.*"), std::vector<std::string>{".hidden.lua"});
    EXPECT_EQ(listMatchingEntries("levels"), std::vector<std::string>{"levels"});
    EXPECT_TRUE(listMatchingEntries("missing/*").empty());
    EXPECT_EQ(listMatchingEntries((folder.path() / "levels" / "a.*").string()), std::vector<std::string>{"a.lua"});
}

} // namespace
