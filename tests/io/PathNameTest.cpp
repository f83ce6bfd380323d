#include "io/PathName.h"

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

INSTANTIATE_TEST_SUITE_P(DotSegments, PathNameCases,
                         testing::Values(PathCase{"a\\b\\..\\c.png", nullptr, "a/c.png", "", "a/", "c", ".png"},
                                         PathCase{"../x", nullptr, "../x", "", "../", "x", ""},
                                         PathCase{"a/../../x", nullptr, "../x", "", "../", "x", ""},
                                         PathCase{"a/b/c/../../d", nullptr, "a/d", "", "a/", "d", ""},
                                         PathCase{"a/./b", nullptr, "a/b", "", "a/", "b", ""},
                                         PathCase{"./a", nullptr, "a", "", "", "a", ""},
                                         PathCase{"/x/../y", nullptr, "/y", "", "/", "y", ""},
                                         // The last character never starts a pair, so a trailing ".." stays.
                                         PathCase{"a/b/..", nullptr, "a/b/..", "", "a/b/", ".", "."},
                                         PathCase{"a/.", nullptr, "a/.", "", "a/", "", "."},
                                         PathCase{"..", nullptr, "..", "", "", ".", "."}));

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

TEST(PathName, ThePathAndItsPartsMustFitTheBuffer) {
    // The path and four parts with five terminators take twice its length plus five bytes.
    const std::string longest(247, 'p');
    EXPECT_EQ(std::string(PathName(longest).toString()), longest);

    const std::string tooLong(248, 'p');
    EXPECT_EQ(raisedMessage([&] { PathName{tooLong}; }),
              "Path name buffer overflow, 501 bytes. Initial path name was \"" + tooLong + "\".");

    // A joined path that does not fit the buffer at all is refused before it is normalised.
    const std::string base(300, 'b');
    const std::string relative(300, 'r');
    EXPECT_EQ(raisedMessage([&] { PathName(base, relative); }),
              "Path name buffer overflow, 602 bytes. Initial path name was \"" + base + "/" + relative + "\".");

    // What counts is the normalised path: dot segments may bring a long text within bounds.
    std::string climbing = std::string(200, 'a') + "/";
    for (int i = 0; i < 20; ++i)
        climbing += "bbbbbbb/../";
    climbing += "c";
    EXPECT_EQ(std::string(PathName(climbing).toString()), std::string(200, 'a') + "/c");
}

} // namespace
