#include "framework/CommandLine.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace framework {
namespace {

std::optional<int> positiveInteger(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0)
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

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    if (argc > 0)
        line.arguments.emplace_back(argv[0]);
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view argument = argv[i];
        const bool takesValue = argument == "--frames" || argument == "--fixed-dt" || argument == "--screenshot";
        if (takesValue && i + 1 >= argc) {
            line.error = std::string(argument) + " needs a value";
            break;
        }
        if (argument == "--frames") {
            line.frames = positiveInteger(argv[++i]);
            if (!line.frames)
                line.error = std::string("--frames needs a positive whole number, not \"") + argv[i] + "\"";
        } else if (argument == "--fixed-dt") {
            line.fixedDt = nonNegativeSeconds(argv[++i]);
            if (!line.fixedDt)
                line.error = std::string("--fixed-dt needs a number of seconds, not \"") + argv[i] + "\"";
        } else if (argument == "--screenshot") {
            line.screenshot = argv[++i];
        } else if (argument == "--version") {
            line.version = true;
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument.starts_with("--")) {
            line.error = "unknown option " + std::string(argument);
        } else {
            line.arguments.emplace_back(argument);
        }
    }
    return line;
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
           "  --version            print the version and exit\n"
           "  --help               print this text and exit\n"
           "\n"
           "Environment: SDL_VIDEODRIVER=offscreen draws without any display (headless runs).\n";
}

} // namespace framework
