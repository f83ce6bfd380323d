#include "framework/CommandLine.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace framework {
namespace {

template <class Integer> std::optional<Integer> wholeNumber(std::string_view text, Integer smallest) {
    Integer value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < smallest)
        return std::nullopt;
    return value;
}

std::optional<float> nonNegativeSeconds(const std::string& text) {
    char* end = nullptr;
    const float value = std::strtof(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < 0.0f)
        return std::nullopt;
    return value;
}

/// Reads the value of an option into `field`, or says why it cannot.
template <class T>
std::string readValue(std::optional<T>& field, std::optional<T> value, std::string_view option, const char* wanted,
                      const char* text) {
    field = value;
    if (field)
        return {};
    return std::string(option) + " needs " + wanted + ", not \"" + text + "\"";
}

// The same file by any name: "run.replay", "./run.replay", a link to it.
bool sameFile(const std::string& a, const std::string& b) {
    const auto resolved = [](const std::string& name) {
        std::error_code error;
        return std::filesystem::weakly_canonical(std::filesystem::absolute(name, error), error);
    };
    return resolved(a) == resolved(b);
}

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    if (argc > 0)
        line.arguments.emplace_back(argv[0]);
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view argument = argv[i];
        const bool takesValue = argument == "--frames" || argument == "--fixed-dt" || argument == "--screenshot" ||
                                argument == "--record" || argument == "--replay" || argument == "--seed" ||
                                argument == "--level";
        if (takesValue && i + 1 >= argc) {
            line.error = std::string(argument) + " needs a value";
            break;
        }
        const char* value = takesValue ? argv[++i] : nullptr;
        if (argument == "--frames")
            line.error = readValue(line.frames, wholeNumber(value, 1), argument, "a positive whole number", value);
        else if (argument == "--level")
            line.error = readValue(line.level, wholeNumber(value, 1), argument, "a positive whole number", value);
        else if (argument == "--seed")
            line.error = readValue(line.seed, wholeNumber<std::uint32_t>(value, 0), argument,
                                   "a whole number from 0 to 4294967295", value);
        else if (argument == "--fixed-dt")
            line.error = readValue(line.fixedDt, nonNegativeSeconds(value), argument, "a number of seconds", value);
        else if (argument == "--screenshot")
            line.screenshot = value;
        else if (argument == "--record")
            line.record = value;
        else if (argument == "--replay")
            line.replay = value;
        else if (argument == "--state-hash")
            line.stateHash = true;
        else if (argument == "--frame-stats")
            line.frameStats = true;
        else if (argument == "--version")
            line.version = true;
        else if (argument == "--help" || argument == "-h")
            line.help = true;
        else if (argument.starts_with("--"))
            line.error = "unknown option " + std::string(argument);
        else
            line.arguments.emplace_back(argument);
    }
    // Recording over the replay being played would destroy it.
    if (line.error.empty() && !line.record.empty() && !line.replay.empty() && sameFile(line.record, line.replay))
        line.error = "--record and --replay name the same file " + line.record;
    return line;
}

bool isAutomated(const CommandLine& line) { return line.frames || !line.replay.empty(); }

std::optional<std::uint32_t> runSeed(const CommandLine& line) {
    if (line.seed)
        return line.seed;
    if (!line.record.empty() || !line.replay.empty())
        return 1u;
    return std::nullopt;
}

std::string enterConfigurationFolder(const std::string& file) {
    const auto slash = file.find_last_of('/');
    std::error_code error;
    if (slash != std::string::npos) {
        const std::string folder = file.substr(0, slash == 0 ? 1 : slash);
        std::filesystem::current_path(folder, error);
        if (error)
            return "cannot enter the game folder " + folder + ": " + error.message();
    }
    if (!std::filesystem::is_regular_file(file.substr(slash + 1), error))
        return "no configuration file " + file;
    return {};
}

std::string usage(const std::string& program, const std::string& description) {
    return "Usage: " + program + " [CONFIG] [OPTIONS]\n\n" + description +
           "\n"
           "Options for tests and automated runs:\n"
           "  --frames N           quit after N frames; such a run never pauses, not even when\n"
           "                       the window loses the focus, and shows errors only in the log\n"
           "  --fixed-dt SECONDS   give every frame this dt instead of the clock (deterministic runs)\n"
           "  --screenshot FILE    write the last frame to FILE as PNG before quitting\n"
           "  --record FILE        write every frame's dt and input to FILE (a replay)\n"
           "  --replay FILE        play FILE's input and dt instead of the window's input, then quit;\n"
           "                       like --frames, the run never pauses\n"
           "  --seed N             seed every random source with N (0 to 4294967295); record and\n"
           "                       replay runs use 1 unless told, other runs differ each time\n"
           "  --level N            start the game at its level N (1 is the first)\n"
           "  --state-hash         print a hash of the game's objects and score at exit\n"
           "  --frame-stats        print the median and slowest frame time at exit\n"
           "  --version            print the version and exit\n"
           "  --help               print this text and exit\n"
           "\n"
           "Record and replay runs are silent: sound's results depend on timing a replay cannot\n"
           "repeat. Environment: SDL_VIDEODRIVER=offscreen draws without any display (headless runs).\n";
}

} // namespace framework
