#pragma once

#include "game/Container.h"
#include "io/FileInputStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

/// A fresh folder per test for the data tool's inputs and outputs, removed afterwards.
class ToolTestFolder : public testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("tumble-data-test-" + std::to_string(::getpid()) + "-" +
                    testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    /// Writes `content` to `name` in the folder and returns its path.
    std::filesystem::path write(const std::string& name, const std::string& content) {
        const std::filesystem::path path = m_folder / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string read(const std::filesystem::path& path) {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }

    /// A container the tool wrote; a test takes its readers from `chunks().at(0)`.
    static game::ContainerFile openContainer(const std::filesystem::path& path) {
        io::FileInputStream stream(path.string());
        return game::ContainerFile(stream, path.string());
    }
    /// Runs `body` and returns the message it raised, or "" when it raised nothing.
    template <class Body> static std::string failureOf(Body&& body) {
        try {
            body();
        } catch (const std::exception& e) {
            return e.what();
        }
        return "";
    }

    std::filesystem::path m_folder;
};
