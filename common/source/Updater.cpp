#include "Updater.h"

#include "lang/Log.h"
#include "lang/Throwable.h"
#include "pf/ChildProcess.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

/// How often a waiting check looks at its abandon flag.
constexpr std::chrono::milliseconds kWaitSlice{10};

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
    const auto deadline = std::chrono::steady_clock::now() + m_limit;
    while (!abandon) {
        const auto sliceStart = std::chrono::steady_clock::now();
        if (sliceStart >= deadline)
            return std::nullopt;
        const std::chrono::milliseconds slice =
            std::min(kWaitSlice, std::chrono::ceil<std::chrono::milliseconds>(deadline - sliceStart));
        if (const std::optional<int> exitCode = updater->waitForExit(slice))
            return *exitCode == 0;
        // The wait returns early without a code only for a program that ended by a signal.
        if (std::chrono::steady_clock::now() - sliceStart < slice)
            return std::nullopt;
    }
    return std::nullopt;
}

bool Updater::startInteractive() const { return startUpdater(m_program, "/checknow") != nullptr; }
