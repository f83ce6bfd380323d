#include "framework/Host.h"

#include "framework/ConsoleLogger.h"
#include "framework/sdl/SdlHost.h"

#include <cstdio>

namespace framework {

int run(const CommandLine& commandLine, const Application& application) {
    sdl::SdlHost host(commandLine, application);
    return host.run();
}

int processMain(int argc, const char* const* argv, const Application& application, const std::string& description) {
    ConsoleLogger logger;
    const CommandLine commandLine = parseCommandLine(argc, argv);
    const std::string program = commandLine.arguments.empty() ? "tumble" : commandLine.arguments[0];
    if (!commandLine.error.empty()) {
        std::fprintf(stderr, "%s: %s\n\n%s", program.c_str(), commandLine.error.c_str(),
                     usage(program, description).c_str());
        return 2;
    }
    if (commandLine.help) {
        std::fputs(usage(program, description).c_str(), stdout);
        return 0;
    }
    if (commandLine.version) {
        std::printf("Tumble %s\n", TUMBLE_VERSION);
        return 0;
    }
    return run(commandLine, application);
}

} // namespace framework
