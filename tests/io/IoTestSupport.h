#pragma once

// Helpers shared by the stream and file-system tests.

#include "io/IOException.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tumble-io-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + "/" + name; }

    /// Writes `content` to `name` (folders must exist) and returns its full path.
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }
    /// The whole content of `name`.
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary | std::ios::ate);
        std::string content(static_cast<size_t>(std::max<std::streamoff>(0, in.tellg())), '\0');
        in.seekg(0);
        in.read(content.data(), static_cast<std::streamsize>(content.size()));
        content.resize(static_cast<size_t>(in.gcount()));
        return content;
    }

private:
    std::string m_path;
};

/// The message of the `io::IOException` that `action` raises, or "(nothing raised)".
template <class Action> std::string raisedMessage(Action action) {
    try {
        action();
    } catch (const io::IOException& e) {
        return e.message();
    }
    return "(nothing raised)";
}
