#pragma once

#include "game/Container.h"
#include "io/FileInputStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

/// A fresh folder per test for the data tool's inputs and outputs, removed afterwards.
class ToolTestFolder : public testing::Test {
protected:
    void SetUp() override {
        m_folder =
            std::filesystem::temp_directory_path() / ("tumble-data-test-" + std::to_string(::getpid()) + "-" +
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

    /// Writes each case's input to `input`, runs `command` on it, and expects a failure whose
    /// message holds the case's text and leaves the old content of `output` in place.
    template <class Command>
    void expectFailures(const std::vector<std::pair<std::string, std::string>>& cases, const std::string& input,
                        const std::string& output, Command&& command) {
        write(output, "old");
        for (const auto& [content, expected] : cases) {
            const std::string message = failureOf([&] { command(write(input, content), m_folder / output); });
            EXPECT_NE(message.find(expected), std::string::npos) << message;
            EXPECT_EQ(read(m_folder / output), "old");
        }
    }

    std::filesystem::path m_folder;
};
