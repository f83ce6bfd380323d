#pragma once

#include <atomic>
#include <chrono>
#include <optional>
#include <string>

/// The external updater program, which knows whether a newer version of the game exists. It is
/// started with an argument vector: "/justcheck" asks and answers through the exit code (0: an
/// update exists, any other code: none); "/checknow" lets the user update interactively.
class Updater {
public:
    /// How long a check waits for the updater's answer by default.
    static constexpr std::chrono::milliseconds kDefaultLimit{10000};

    /// The updater at `program` (a path; no search), whose check waits at most `limit`.
    explicit Updater(std::string program, std::chrono::milliseconds limit = kDefaultLimit);

    /// The program "updater" in the folder of the running executable; empty (a program that
    /// cannot start) when the executable's path cannot be read.
    static std::string besideExecutable();

    /// Runs "/justcheck" and waits for the answer: true when an update exists, false when not;
    /// nothing when the program cannot be started, ends without an exit code, overruns the limit
    /// or `abandon` becomes true first (checked every few milliseconds). A program still running
    /// then is left to finish on its own. Any thread.
    std::optional<bool> check(const std::atomic<bool>& abandon) const;
    /// Starts "/checknow" without waiting. False (and logged) when the program cannot be started.
    bool startInteractive() const;

private:
    std::string m_program;
    std::chrono::milliseconds m_limit;
};
