#include "framework/AppDataFolder.h"
#include "framework/SingleInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Points an environment variable somewhere else for one test.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

class PlatformFilesTest : public testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("tumble-platform-" + std::to_string(getpid()) + "-" +
                                                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path m_folder;
};

TEST_F(PlatformFilesTest, ApplicationDataFolderIsMadeUnderTheDataHome) {
    ScopedEnvironment dataHome("XDG_DATA_HOME", (m_folder / "share").string());
    const std::string folder = framework::applicationDataFolder("/work", "Publisher", "Product");
    EXPECT_EQ(folder, (m_folder / "share" / "Publisher" / "Product").string());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(framework::applicationDataFolder("/work", "Publisher", "Product"), folder); // already there
    EXPECT_EQ(framework::applicationDataFolder("/work", "", "Product"), "/work");
    EXPECT_EQ(framework::applicationDataFolder("/work", "Publisher", ""), "/work");
}

TEST_F(PlatformFilesTest, ApplicationDataFolderDefaultsToHomeAndFallsBackWhenItCannotBeMade) {
    ScopedEnvironment dataHome("XDG_DATA_HOME", "");
    ScopedEnvironment home("HOME", m_folder.string());
    EXPECT_EQ(framework::applicationDataFolder("/work", "P", "Q"), (m_folder / ".local/share/P/Q").string());
    std::ofstream(m_folder / "file") << "not a folder";
    ScopedEnvironment blocked("XDG_DATA_HOME", (m_folder / "file").string());
    EXPECT_EQ(framework::applicationDataFolder("/work", "P", "Q"), "/work");
}

TEST_F(PlatformFilesTest, SecondInstanceAsksTheFirstToRaiseItsWindow) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", m_folder.string());
    std::atomic<int> raised = 0;
    {
        framework::SingleInstance first("/usr/games/tumble", [&raised] { ++raised; });
        ASSERT_TRUE(first.acquired());
        framework::SingleInstance other("/usr/games/other", [] {});
        EXPECT_TRUE(other.acquired()); // another program has its own claim
        for (int start = 0; start < 2; ++start) {
            framework::SingleInstance second("/usr/games/tumble", [] {});
            EXPECT_FALSE(second.acquired());
        }
        for (int wait = 0; wait < 200 && raised < 2; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(raised, 2);
    }
    // Once the first has ended, the next start runs.
    framework::SingleInstance next("/usr/games/tumble", [] {});
    EXPECT_TRUE(next.acquired());
}

} // namespace
