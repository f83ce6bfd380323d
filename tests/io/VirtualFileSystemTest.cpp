#include "io/VirtualFileSystem.h"
#include "io/ByteArrayInputStream.h"
#include "io/IOException.h"
#include "io/ReadAll.h"

#include "IoTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <unistd.h>

using io::Uri;

namespace {

// The file system is process-wide: every test mounts prefixes of its own, and none mounts "/".

std::string contentOf(const std::string& uri) {
    const lang::Ref<io::InputStream> stream = io::openInputStream(Uri(uri));
    const std::vector<uint8_t> bytes = io::readAll(*stream);
    return {bytes.begin(), bytes.end()};
}

/// Runs a test inside a fresh working directory, as bundle paths are relative to it.
class VirtualFileSystemInWorkingDirectory : public testing::Test {
protected:
    void SetUp() override {
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_dir.path());
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }

    TempDir m_dir;

private:
    std::filesystem::path m_previous;
};

TEST(VirtualFileSystem, ResolvesTheLongestMountedFolderOfAPath) {
    io::mount("/levels/", Uri("bundle:///data/levels/"));
    EXPECT_EQ(io::resolve(Uri("/levels/a/b.lua")).toString(), "bundle:///data/levels/a/b.lua");
    EXPECT_EQ(io::resolve(Uri("vfs:///levels/c.lua")).toString(), "bundle:///data/levels/c.lua");
    EXPECT_EQ(io::resolve(Uri("/levels/")).toString(), "bundle:///data/levels/");
    io::mount("/levels/a/", Uri("appdata:///custom/"));
    EXPECT_EQ(io::resolve(Uri("/levels/a/b.lua")).toString(), "appdata:///custom/b.lua");
    // An exact file mount; prefixes compare exactly and case-sensitively.
    io::mount("/config", Uri("file:///etc/tumble.lua"));
    EXPECT_EQ(io::resolve(Uri("/config")).toString(), "file:///etc/tumble.lua");
    EXPECT_EQ(raisedMessage([] { io::resolve(Uri("/Levels/x.lua")); }), "Unable to resolve vfs path \"/Levels/x.lua\"");
}

TEST(VirtualFileSystem, ALaterMountOfThePrefixReplacesTheFirst) {
    io::mount("/replaced/", Uri("bundle:///one/"));
    io::mount("/replaced/", Uri("bundle:///two/"));
    EXPECT_EQ(io::resolve(Uri("/replaced/x")).toString(), "bundle:///two/x");
}

TEST(VirtualFileSystem, MountTargetsMayBeVirtualPathsThemselves) {
    io::mount("/music/", Uri("/sound/music/"));
    io::mount("/sound/", Uri("appdata:///snd/"));
    EXPECT_EQ(io::resolve(Uri("/music/a.mp3")).toString(), "appdata:///snd/music/a.mp3");
}

TEST(VirtualFileSystem, UnmatchedAndLoopingVirtualPathsFailToResolve) {
    EXPECT_EQ(raisedMessage([] { io::resolve(Uri("/nowhere/x.lua")); }),
              "Unable to resolve vfs path \"/nowhere/x.lua\"");
    EXPECT_EQ(raisedMessage([] { io::resolve(Uri("x")); }), "Unable to resolve vfs path \"x\"");
    EXPECT_EQ(raisedMessage([] { io::resolve(Uri("")); }), "Unable to resolve vfs path \"\"");
    EXPECT_EQ(raisedMessage([] { io::resolve(Uri("vfs:/opaque")); }), "Unable to resolve vfs path \"vfs:/opaque\"");
    EXPECT_EQ(raisedMessage([] { io::openInputStream(Uri("/nowhere/x.lua")); }),
              "Unable to resolve vfs path \"/nowhere/x.lua\"");
    io::mount("/loopA/", Uri("/loopB/"));
    io::mount("/loopB/", Uri("/loopA/"));
    EXPECT_EQ(raisedMessage([] { io::resolve(Uri("/loopA/x")); }), "Unable to resolve vfs path \"/loopA/x\"");
}

TEST(VirtualFileSystem, OtherSchemesPassThroughAndFailToOpenWithoutAnOpener) {
    EXPECT_EQ(io::resolve(Uri("http://example.com/x")).toString(), "http://example.com/x");
    EXPECT_EQ(raisedMessage([] { io::openInputStream(Uri("http://example.com/x")); }),
              "Unsupported read scheme: \"http\" while trying to open: \"http://example.com/x\"");
    // Openers are found by the scheme as written, and stored lower-case.
    EXPECT_EQ(raisedMessage([] { io::openInputStream(Uri("FILE:///x")); }),
              "Unsupported read scheme: \"FILE\" while trying to open: \"FILE:///x\"");
}

TEST(VirtualFileSystem, RegisteredSchemesOpenTheirUris) {
    io::registerReadScheme("MEM", [](const Uri& uri) -> lang::Ref<io::InputStream> {
        return new io::ByteArrayInputStream(std::vector<uint8_t>(uri.getPath().begin(), uri.getPath().end()));
    });
    EXPECT_EQ(contentOf("mem:///hello"), "/hello");
    io::mount("/memory/", Uri("mem:///m/"));
    EXPECT_EQ(contentOf("/memory/x"), "/m/x");
}

TEST_F(VirtualFileSystemInWorkingDirectory, BundleAndFileUrisReadRelativeToTheWorkingDirectory) {
    std::filesystem::create_directories("x");
    m_dir.write("x/y.lua", "bundle");
    EXPECT_EQ(contentOf("bundle:///x/y.lua"), "bundle");
    EXPECT_EQ(io::openInputStream(Uri("bundle:///x/y.lua"))->toString(), "x/y.lua");
    EXPECT_EQ(contentOf("file:x/y.lua"), "bundle");
    EXPECT_EQ(contentOf("file://" + m_dir.file("x/y.lua")), "bundle");
    // There are no drive letters here: "/C:/..." is an absolute path, not "C:/..." in this folder.
    std::filesystem::create_directories("C:/games");
    m_dir.write("C:/games/x.dat", "drive");
    EXPECT_EQ(raisedMessage([] { io::openInputStream(Uri("file:///C:/games/x.dat")); }),
              "Failed to open /C:/games/x.dat with errno 2");
    EXPECT_EQ(raisedMessage([] { io::openInputStream(Uri("bundle:///missing.lua")); }),
              "Failed to open missing.lua with errno 2");
}

TEST(VirtualFileSystem, AppDataUrisReadFromTheApplicationDataFolder) {
    TempDir dir;
    std::filesystem::create_directories(dir.file("saves"));
    dir.write("saves/a.lua", "saved");
    io::setAppDataPath(dir.path());
    EXPECT_EQ(io::getAppDataPath(), dir.path());
    EXPECT_EQ(contentOf("appdata:///saves/a.lua"), "saved");
    io::mount("/saves/", Uri("appdata:///saves/"));
    EXPECT_EQ(contentOf("/saves/a.lua"), "saved");
    EXPECT_EQ(io::getAppDataFile("/saves/a.lua"), dir.file("saves/a.lua"));
    io::setAppDataPath(".");
    EXPECT_EQ(io::getBundlePath(), ".");
    EXPECT_EQ(io::getBundleFile("/a/./b.lua"), "a/b.lua");
}

TEST(VirtualFileSystem, ThreadsMayMountResolveAndOpenAtOnce) {
    io::registerReadScheme("echo", [](const Uri& uri) -> lang::Ref<io::InputStream> {
        return new io::ByteArrayInputStream(std::vector<uint8_t>(uri.getPath().begin(), uri.getPath().end()));
    });
    std::vector<std::thread> threads;
    std::atomic<int> wrong = 0;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &wrong] {
            for (int i = 0; i < 300; ++i) {
                const std::string prefix = "/thread" + std::to_string(t) + "/" + std::to_string(i) + "/";
                io::mount(prefix, Uri("echo:///" + std::to_string(i) + "/"));
                if (contentOf(prefix + "f") != "/" + std::to_string(i) + "/f")
                    ++wrong;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(wrong, 0);
}

} // namespace
