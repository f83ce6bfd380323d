#include "io/PathName.h"
#include "io/NativeFile.h"

#include "IoTestSupport.h"

#include <gtest/gtest.h>

using io::PathName;

namespace {

struct PathCase {
    const char* base;
    const char* relative; // null: the one-path constructor
    const char* path;
    const char* drive;
    const char* directory;
    const char* baseName;
    const char* extension;
};

std::ostream& operator<<(std::ostream& out, const PathCase& c) {
    return out << (c.base ? c.base : "") << " + " << (c.relative ? c.relative : "(none)");
}

class PathNameCases : public testing::TestWithParam<PathCase> {};

TEST_P(PathNameCases, NormalisesAndCutsParts) {
    const PathCase& c = GetParam();
    const PathName name = c.relative ? PathName(c.base, c.relative) : PathName(c.base);
    EXPECT_STREQ(name.toString(), c.path);
    EXPECT_STREQ(name.getDrive(), c.drive);
    EXPECT_STREQ(name.getDirectory(), c.directory);
    EXPECT_STREQ(name.getBaseName(), c.baseName);
    EXPECT_STREQ(name.getExtension(), c.extension);
}

INSTANTIATE_TEST_SUITE_P(
    Joining, PathNameCases,
    testing::Values(PathCase{"data", "/levels/x.lua", "data/levels/x.lua", "", "data/levels/", "x", ".lua"},
                    PathCase{"data/", "x", "data/x", "", "data/", "x", ""},
                    PathCase{"data\\", "\\x", "data/x", "", "data/", "x", ""},
                    PathCase{"data", "//x", "data//x", "", "data//", "x", ""},
                    PathCase{"", "/x", "/x", "", "/", "x", ""}, PathCase{"data", "", "data", "", "", "data", ""},
                    PathCase{".", "/x/y.lua", "x/y.lua", "", "x/", "y", ".lua"}));

// "." and ".." count only as whole segments; points inside names are part of the name.
INSTANTIATE_TEST_SUITE_P(
    DotSegments, PathNameCases,
    testing::Values(
        PathCase{"a\\b\\..\\c.png", nullptr, "a/c.png", "", "a/", "c", ".png"},
        PathCase{"a/./b", nullptr, "a/b", "", "a/", "b", ""}, PathCase{"a/b/../c", nullptr, "a/c", "", "a/", "c", ""},
        PathCase{"a/b/c/../../d", nullptr, "a/d", "", "a/", "d", ""}, PathCase{"./a", nullptr, "a", "", "", "a", ""},
        PathCase{"/x/../y", nullptr, "/y", "", "/", "y", ""},
        PathCase{"v1..2.lua", nullptr, "v1..2.lua", "", "", "v1..2", ".lua"},
        PathCase{"data/v1..2.lua", nullptr, "data/v1..2.lua", "", "data/", "v1..2", ".lua"},
        PathCase{"..x", nullptr, "..x", "", "", ".", ".x"}, PathCase{"x..", nullptr, "x..", "", "", "x.", "."},
        PathCase{"a/.hidden", nullptr, "a/.hidden", "", "a/", "", ".hidden"},
        PathCase{"a.b/c", nullptr, "a.b/c", "", "a.b/", "c", ""},
        PathCase{"a/...", nullptr, "a/...", "", "a/", "..", "."},
        // Climbing above the start of a relative path stays.
        PathCase{"../x", nullptr, "../x", "", "../", "x", ""}, PathCase{"..", nullptr, "..", "", "", ".", "."},
        PathCase{"x/../../y", nullptr, "../y", "", "../", "y", ""},
        PathCase{"../a/../b", nullptr, "../b", "", "../", "b", ""},
        // Empty segments are kept but do not count as names.
        PathCase{"a//../../x", nullptr, "../x", "", "../", "x", ""}, PathCase{"data", "//../x", "x", "", "", "x", ""},
        // Above the root there is only the root.
        PathCase{"/../x", nullptr, "/x", "", "/", "x", ""},
        // A trailing dot segment leaves a folder.
        PathCase{"a/b/..", nullptr, "a/", "", "a/", "", ""}, PathCase{"a/.", nullptr, "a/", "", "a/", "", ""},
        PathCase{"a/..", nullptr, ".", "", "", "", "."}, PathCase{"data", "..", ".", "", "", "", "."}));

INSTANTIATE_TEST_SUITE_P(Parts, PathNameCases,
                         testing::Values(PathCase{"C:/games/x.dat", nullptr, "C:/games/x.dat", "C:", "/games/", "x",
                                                  ".dat"},
                                         PathCase{"C:x.dat", nullptr, "C:x.dat", "C:", "", "x", ".dat"},
                                         PathCase{"x.tar.gz", nullptr, "x.tar.gz", "", "", "x.tar", ".gz"},
                                         PathCase{"dir.v2/file", nullptr, "dir.v2/file", "", "dir.v2/", "file", ""},
                                         PathCase{".hidden", nullptr, ".hidden", "", "", "", ".hidden"},
                                         PathCase{"", nullptr, "", "", "", "", ""}));

TEST(PathName, CopiesKeepTheirParts) {
    PathName copy("x");
    {
        const PathName original("C:/a/b.png");
        copy = original;
    }
    EXPECT_STREQ(copy.toString(), "C:/a/b.png");
    EXPECT_STREQ(copy.getDirectory(), "/a/");
    EXPECT_STREQ(copy.getExtension(), ".png");
}

TEST(PathName, ThePathMustFitTheSystemLimit) {
    // The limit counts the terminator.
    const std::string longest(io::native::kMaxPathBytes - 1, 'p');
    EXPECT_EQ(std::string(PathName(longest).toString()), longest);

    const std::string tooLong(io::native::kMaxPathBytes, 'p');
    EXPECT_EQ(raisedMessage([&] { PathName{tooLong}; }), "Path name buffer overflow, " +
                                                             std::to_string(io::native::kMaxPathBytes + 1) +
                                                             " bytes. Initial path name was \"" + tooLong + "\".");

    // What counts is the normalised path: dot segments may bring a long text within bounds.
    std::string climbing = std::string(200, 'a') + "/";
    while (climbing.size() <= io::native::kMaxPathBytes)
        climbing += "bbbbbbb/../";
    climbing += "c";
    EXPECT_EQ(std::string(PathName(climbing).toString()), std::string(200, 'a') + "/c");
}

} // namespace
