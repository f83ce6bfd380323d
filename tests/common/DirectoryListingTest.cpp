#include "DirectoryListing.h"
#include "GameHarness.h"

#include <gtest/gtest.h>

namespace {

TEST(DirectoryListingTest, MatchesTheLastPartSortedWithoutDotEntries) {
    gametest::TempFolder folder;
    for (const char* name : {"levels/b.lua", "levels/a.lua", "levels/c.txt", "levels/.hidden.lua"})
        gametest::writeFile(name, gametest::bytesOf("x"));
    std::filesystem::create_directories("levels/sub.lua");
    EXPECT_EQ(listMatchingEntries("levels/*.lua"), (std::vector<std::string>{"a.lua", "b.lua", "sub.lua"}));
    EXPECT_EQ(listMatchingEntries("levels/?.txt"), std::vector<std::string>{"c.txt"});
    EXPECT_EQ(listMatchingEntries("levels"), std::vector<std::string>{"levels"});
    EXPECT_TRUE(listMatchingEntries("missing/*").empty());
    EXPECT_EQ(listMatchingEntries((folder.path() / "levels" / "a.*").string()), std::vector<std::string>{"a.lua"});
}

} // namespace
