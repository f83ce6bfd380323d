#include "io/AppDataOutputStream.h"
#include "io/IOException.h"
#include "io/VirtualFileSystem.h"

#include "IoTestSupport.h"
#include "ProofSize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using io::AppDataOutputStream;

namespace {

/// Points the application-data folder at a fresh folder for one test.
class AppDataOutputStreamTest : public testing::Test {
protected:
    void SetUp() override { io::setAppDataPath(m_dir.path()); }
    void TearDown() override { io::setAppDataPath("."); }

    void save(const std::string& name, const std::string& content) {
        lang::Ref<io::OutputStream> out(new AppDataOutputStream(name));
        out->write(content.data(), static_cast<int>(content.size()));
    }
    /// The names in the folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    using Names = std::vector<std::string>;

    TempDir m_dir;
};

TEST_F(AppDataOutputStreamTest, EachSaveReplacesTheFileWhenTheStreamGoes) {
    save("/settings.lua", "first");
    EXPECT_EQ(m_dir.read("settings.lua"), "first");
    {
        lang::Ref<io::OutputStream> out(new AppDataOutputStream("settings.lua"));
        EXPECT_EQ(out->toString(), m_dir.file("settings.lua"));
        EXPECT_EQ(out->write("second", 6), 6);
        // While the save is open, the old file is untouched.
        EXPECT_EQ(m_dir.read("settings.lua"), "first");
        ASSERT_EQ(entries().size(), 2u);
        EXPECT_EQ(entries()[1].substr(0, 13), "settings.lua.");
    }
    EXPECT_EQ(m_dir.read("settings.lua"), "second");
    EXPECT_EQ(entries(), Names{"settings.lua"});
    save("settings.lua", "");
    EXPECT_EQ(m_dir.read("settings.lua"), "");
}

TEST_F(AppDataOutputStreamTest, OpeningInAMissingFolderNamesTheFinalPath) {
    EXPECT_EQ(raisedMessage([] { AppDataOutputStream("no/such/file.lua"); }),
              "Failed to open " + m_dir.file("no/such/file.lua") + " for writing, with errno 2");
}

TEST_F(AppDataOutputStreamTest, AWriterThatThrowsKeepsTheOldFile) {
    save("highscores.lua", "old");
    EXPECT_THROW(
        {
            lang::Ref<io::OutputStream> out(new AppDataOutputStream("highscores.lua"));
            out->write("half", 4);
            throw std::runtime_error("the serialiser failed");
        },
        std::runtime_error);
    EXPECT_EQ(m_dir.read("highscores.lua"), "old");
    EXPECT_EQ(entries(), Names{"highscores.lua"});
    // A save that starts and ends inside a handler is a complete save.
    try {
        throw std::runtime_error("earlier failure");
    } catch (const std::runtime_error&) {
        save("highscores.lua", "new");
    }
    EXPECT_EQ(m_dir.read("highscores.lua"), "new");
}

TEST_F(AppDataOutputStreamTest, AFailedWriteKeepsTheOldFile) {
    save("bi_data.lua", "old");
    // In a child process: the file size limit makes the writes fail as on a full disk.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        int status = 1;
        try {
            lang::Ref<io::OutputStream> out(new AppDataOutputStream("bi_data.lua"));
            const std::string big(1 << 20, 'x');
            try {
                out->write(big.data(), static_cast<int>(big.size()));
            } catch (const io::IOException& e) {
                const std::string expected = "Failed to write 1048576 bytes to " + m_dir.file("bi_data.lua");
                status = e.message() == expected ? 0 : 2;
            }
        } catch (...) {
            status = 3;
        }
        _exit(status);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(m_dir.read("bi_data.lua"), "old");
    EXPECT_EQ(entries(), Names{"bi_data.lua"});
}

TEST_F(AppDataOutputStreamTest, TwoWritersOfOneFileLeaveOneCompleteContent) {
    // The first writer's content is the longer: a shared temporary file would end as the
    // second's bytes followed by the rest of the first's.
    const std::string longer(100000, 'a');
    const std::string shorter(1000, 'b');
    {
        lang::Ref<io::OutputStream> second(new AppDataOutputStream("save.dat"));
        {
            lang::Ref<io::OutputStream> first(new AppDataOutputStream("save.dat"));
            first->write(longer.data(), static_cast<int>(longer.size()));
            second->write(shorter.data(), static_cast<int>(shorter.size()));
        }
        EXPECT_TRUE(m_dir.read("save.dat") == longer);
    }
    EXPECT_TRUE(m_dir.read("save.dat") == shorter) << m_dir.read("save.dat").size() << " bytes";
    EXPECT_EQ(entries(), Names{"save.dat"});
}

/// Version `version` of the saved file: a header naming the version and the length, then
/// words that depend on both, so any mix of two versions or any truncation is detected.
std::string versionContent(uint32_t version) {
    const size_t length = 16 * 1024 + (version * 7919u) % (112 * 1024);
    std::string content = "version " + std::to_string(version) + " length " + std::to_string(length) + "\n";
    const size_t header = content.size();
    content.resize(length);
    uint32_t state = version * 2654435761u + 1;
    for (size_t at = header; at < length; at += sizeof state) {
        state = state * 1664525u + 1013904223u;
        std::memcpy(content.data() + at, &state, std::min(sizeof state, length - at));
    }
    return content;
}

/// The version a content claims to be, or 0 when it is not exactly one complete version.
uint32_t completeVersion(const std::string& content) {
    unsigned version = 0;
    if (std::sscanf(content.c_str(), "version %u ", &version) != 1 || version == 0)
        return 0;
    return content == versionContent(version) ? version : 0;
}

TEST_F(AppDataOutputStreamTest, AKilledWriterLeavesTheOldOrTheNewFileNeverAMix) {
    constexpr int kKills = prooftest::proofRounds(200);
    constexpr uint32_t kVersionsPerWriter = 1000000;
    const auto start = std::chrono::steady_clock::now();
    constexpr int kTimedSaves = 3;
    for (uint32_t version = 1; version <= kTimedSaves; ++version)
        save("save.dat", versionContent(version));
    const auto saveMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() /
        kTimedSaves;
    // Kills land anywhere within about two saves: before the first commit, during any step
    // of a save, or after a commit or two. The range follows the outcomes, so that about
    // half the writers commit, however fast the build and the disk are at the moment.
    std::mt19937 random(12345);
    double rangeMicros = 2.0 * static_cast<double>(saveMicros);
    uint32_t current = kTimedSaves;
    int changes = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
        const uint32_t first = static_cast<uint32_t>(kill) * kVersionsPerWriter;
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            // Never return into the test runner from here: the parent ends this process.
            try {
                for (uint32_t version = first;; ++version)
                    save("save.dat", versionContent(version));
            } catch (...) {
            }
            _exit(1);
        }
        usleep(static_cast<useconds_t>(std::uniform_real_distribution<double>(0, rangeMicros)(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        ASSERT_TRUE(WIFSIGNALED(status));

        const uint32_t found = completeVersion(m_dir.read("save.dat"));
        ASSERT_NE(found, 0u) << "torn file after kill " << kill;
        // Either what was there before this writer, or one of this writer's own versions.
        ASSERT_TRUE(found == current || (found >= first && found < first + kVersionsPerWriter))
            << "version " << found << " after kill " << kill;
        changes += found != current;
        rangeMicros = std::clamp(rangeMicros * (found != current ? 0.85 : 1.15), 100.0, 200000.0);
        current = found;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Kills must have landed both before and after commits for the test to mean anything.
    EXPECT_GT(changes, kKills / 20);
    EXPECT_LT(changes, kKills);
    RecordProperty("seconds", std::to_string(seconds));
    RecordProperty("committed", changes);
    RecordProperty("saveMicros", std::to_string(saveMicros));
}

} // namespace
