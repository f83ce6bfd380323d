#include "framework/AppDataFolder.h"
#include "framework/SingleInstance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
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

// Connects to the only instance socket in `folder` and never writes; returns the descriptor.
int connectSilently(const fs::path& folder) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
        if (file.path().extension() == ".sock")
            file.path().string().copy(address.sun_path, sizeof address.sun_path - 1);
    }
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << address.sun_path;
    return fd;
}

TEST_F(PlatformFilesTest, SilentClientHoldsUpNeitherLaterStartsNorTheShutDown) {
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", m_folder.string());
    std::atomic<int> raised = 0;
    auto first = std::make_unique<framework::SingleInstance>("/usr/games/tumble", [&raised] { ++raised; });
    const int early = connectSilently(m_folder);
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the listener waits on it
    EXPECT_FALSE(framework::SingleInstance("/usr/games/tumble", [] {}).acquired());
    for (int wait = 0; wait < 200 && raised < 1; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(raised, 1);

    const int late = connectSilently(m_folder);
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the listener waits on it
    std::future<void> shutDown = std::async(std::launch::async, [&first] { first.reset(); });
    const bool inTime = shutDown.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    for (int fd : {early, late})
        close(fd); // lets a listener stuck in a read go
    shutDown.wait();
    EXPECT_TRUE(inTime) << "the shut-down waited for a client that never wrote";
}

} // namespace
