#include "Updater.h"

#include "lang/Log.h"
#include "lang/Throwable.h"
#include "pf/ChildProcess.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace {

/// The updater started with `argument`, or null (logged) when it cannot be started.
std::unique_ptr<pf::ChildProcess> startUpdater(const std::string& program, const char* argument) {
    try {
        return std::make_unique<pf::ChildProcess>(program, std::vector<std::string>{argument}, false);
    } catch (const lang::Throwable& error) {
        LOG_INFO("Game", "No updater: %s", error.what());
        return nullptr;
    }
}

} // namespace

Updater::Updater(std::string program, std::chrono::milliseconds limit)
    : m_program(std::move(program)), m_limit(limit) {}

std::string Updater::besideExecutable() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : (executable.parent_path() / "updater").string();
}

std::optional<bool> Updater::check(const std::atomic<bool>& abandon) const {
    const std::unique_ptr<pf::ChildProcess> updater = startUpdater(m_program, "/justcheck");
    if (!updater)
        return std::nullopt;
    const std::optional<int> exitCode = updater->waitForExit(m_limit, &abandon);
    if (!exitCode)
        return std::nullopt;
    return *exitCode == 0;
}

bool Updater::startInteractive() const { return startUpdater(m_program, "/checknow") != nullptr; }
