#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace framework {

/// The program's command line: the configuration file (argument 1) and the options for tests
/// and automated runs, which may stand anywhere after argument 0.
struct CommandLine {
    /// Argument 0 and the arguments that are not options, in order: what the application's
    /// configuration reader sees as the program's arguments.
    std::vector<std::string> arguments;
    std::optional<int> frames;         ///< --frames N: quit after N frames (an automated run)
    std::optional<float> fixedDt;      ///< --fixed-dt SECONDS: every frame gets this dt
    std::string screenshot;            ///< --screenshot FILE: the last frame as PNG at quit
    std::string record;                ///< --record FILE: the run's input as a replay file
    std::string replay;                ///< --replay FILE: the input (and dt) of each frame from a replay file
    std::optional<std::uint32_t> seed; ///< --seed N: the seed of every random source
    std::optional<int> level;          ///< --level N: the level the game starts with (1 is the first)
    bool stateHash = false;            ///< --state-hash: print the game state's hash at exit
    bool frameStats = false;           ///< --frame-stats: print the frame times at exit
    bool version = false;              ///< --version
    bool help = false;                 ///< --help
    std::string error;                 ///< why the line could not be read; empty when it could
};

/// Reads `argv`. A bad option or value leaves the reason in `error`.
CommandLine parseCommandLine(int argc, const char* const* argv);

/// Whether the run ends by itself (`--frames` or `--replay`): nobody is there to answer a
/// message box, and the run must not stop for a window that loses the focus.
bool isAutomated(const CommandLine& line);

/// The seed of a run's random sources: `--seed`, or 1 for record and replay runs (which must be
/// reproducible), else none (every run differs).
std::optional<std::uint32_t> runSeed(const CommandLine& line);

/// Enters the folder of the configuration file `file` (argument 1), which becomes the working
/// directory. Returns why the game cannot start from it, empty when it can: a folder that
/// cannot be entered or a file that is not there must not start whatever game the current
/// working directory holds.
std::string enterConfigurationFolder(const std::string& file);

/// The text `--help` prints: a usage line for `program` (argument 0), `description` (what the
/// executable runs, one or more lines ending in a line feed) and the options.
std::string usage(const std::string& program, const std::string& description);

} // namespace framework
