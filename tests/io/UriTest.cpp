#include "io/Uri.h"

#include <gtest/gtest.h>

using io::Uri;

namespace {

TEST(Uri, FileUriWithEmptyAuthorityKeepsTheDriveInThePath) {
    const Uri uri("file:///C:/games/x.dat");
    EXPECT_TRUE(uri.hasScheme());
    EXPECT_FALSE(uri.isOpaque());
    EXPECT_EQ(uri.getScheme(), "file");
    EXPECT_EQ(uri.getAuthority(), "");
    EXPECT_EQ(uri.getHost(), "");
    EXPECT_EQ(uri.getPath(), "/C:/games/x.dat");
    EXPECT_EQ(uri.getSchemeSpecificPart(), "///C:/games/x.dat");
    EXPECT_EQ(uri.toString(), "file:///C:/games/x.dat");
}

TEST(Uri, SplitsEveryPartOfAFullUri) {
    const Uri uri("http://user:pw@example.com:8080/p/a.lua?q=1&r=2#top");
    EXPECT_EQ(uri.getScheme(), "http");
    EXPECT_EQ(uri.getAuthority(), "user:pw@example.com:8080");
    EXPECT_EQ(uri.getUserInfo(), "user:pw");
    EXPECT_EQ(uri.getHost(), "example.com");
    EXPECT_EQ(uri.getPort(), 8080);
    EXPECT_EQ(uri.getPath(), "/p/a.lua");
    EXPECT_EQ(uri.getQuery(), "q=1&r=2");
    EXPECT_EQ(uri.getFragment(), "top");
    EXPECT_EQ(uri.getSchemeSpecificPart(), "//user:pw@example.com:8080/p/a.lua");
}

TEST(Uri, PortIsTakenOnlyWhenAllDigitsAndInRange) {
    EXPECT_EQ(Uri("http://h/").getPort(), -1);
    EXPECT_EQ(Uri("http://h:/").getPort(), -1);
    EXPECT_EQ(Uri("http://h:80x/").getPort(), -1);
    EXPECT_EQ(Uri("http://h:-1/").getPort(), -1);
    EXPECT_EQ(Uri("http://h:2147483647").getPort(), 2147483647);
    EXPECT_EQ(Uri("http://h:2147483648").getPort(), -1);
    EXPECT_EQ(Uri("http://h:99999999999999999999999/").getPort(), -1);
    EXPECT_EQ(Uri("http://h:0?x").getPort(), 0);
    EXPECT_EQ(Uri("http://h:0?x").getHost(), "h");
}

TEST(Uri, PlainAndVirtualPathsHaveNoScheme) {
    const Uri level("/levels/x.lua");
    EXPECT_FALSE(level.hasScheme());
    EXPECT_EQ(level.getPath(), "/levels/x.lua");
    // A colon after the first slash is part of the path.
    const Uri colon("levels/a:b");
    EXPECT_FALSE(colon.hasScheme());
    EXPECT_EQ(colon.getPath(), "levels/a:b");
    const Uri empty("");
    EXPECT_FALSE(empty.hasScheme());
    EXPECT_EQ(empty.getPath(), "");
    const Uri network("//host/share/x");
    EXPECT_EQ(network.getHost(), "host");
    EXPECT_EQ(network.getPath(), "/share/x");
}

TEST(Uri, QueryAndFragmentMarkersEndThePath) {
    const Uri both("a?b#c?d");
    EXPECT_EQ(both.getPath(), "a");
    EXPECT_EQ(both.getQuery(), "b");
    EXPECT_EQ(both.getFragment(), "c?d");
    const Uri fragmentFirst("a#b?c");
    EXPECT_EQ(fragmentFirst.getQuery(), "");
    EXPECT_EQ(fragmentFirst.getFragment(), "b?c");
    const Uri markersOnly("x:?#");
    EXPECT_EQ(markersOnly.getSchemeSpecificPart(), "");
    EXPECT_EQ(markersOnly.getQuery(), "");
    EXPECT_EQ(markersOnly.getFragment(), "");
}

TEST(Uri, ASchemeWithoutTwoSlashesIsOpaque) {
    const Uri relative("file:x.dat");
    EXPECT_TRUE(relative.isOpaque());
    EXPECT_EQ(relative.getPath(), "");
    EXPECT_EQ(relative.getSchemeSpecificPart(), "x.dat");
    EXPECT_TRUE(Uri("bundle://").isOpaque());
    EXPECT_TRUE(Uri("vfs:/levels/x").isOpaque());
    const Uri emptyScheme(":x");
    EXPECT_TRUE(emptyScheme.hasScheme());
    EXPECT_EQ(emptyScheme.getScheme(), "");
}

} // namespace
