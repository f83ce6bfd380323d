#include "CompoCommand.h"
#include "DataCommands.h"
#include "DumpCommand.h"
#include "FontCommand.h"
#include "SheetCommand.h"
#include "TextCommand.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

using datatool::Command;

const Command* const kCommands[] = {
    &datatool::kSheetCommand,  &datatool::kCompoCommand,        &datatool::kFontCommand,
    &datatool::kTextCommand,   &datatool::kDumpCommand,         &datatool::kPackScriptCommand,
    &datatool::kUnpackCommand, &datatool::kEncipherSaveCommand, &datatool::kDecipherSaveCommand,
};

std::string toolUsage() {
    std::string usage = "Usage: tumble-data COMMAND ARGUMENTS\n"
                        "\n"
                        "Builds, packs and enciphers the data files of a Tumble game.\n"
                        "\n"
                        "Commands:\n";
    for (const Command* command : kCommands)
        usage += std::string("  ") + command->name + " " + command->synopsis + "\n      " + command->summary + "\n";
    return usage + "\n"
                   "Run \"tumble-data COMMAND --help\" for a command's details. Outputs are replaced only when a\n"
                   "command succeeds. Exit status: 0 on success, 1 on a failure, 2 on a usage error.\n";
}

int usageError(const std::string& message, const std::string& usage) {
    std::fprintf(stderr, "tumble-data: %s\n\n%s", message.c_str(), usage.c_str());
    return 2;
}

bool isHelp(const std::string& word) { return word == "--help" || word == "-h"; }

int run(const Command& command, const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (isHelp(word)) {
            std::fputs(datatool::usageOf(command).c_str(), stdout);
            return 0;
        }
    try {
        command.run(datatool::Arguments(command, words));
        return 0;
    } catch (const datatool::UsageError& e) {
        return usageError(e.what(), datatool::usageOf(command));
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "tumble-data: %s\n", e.what());
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usageError("no command given", toolUsage());
    const std::string name = argv[1];
    if (isHelp(name)) {
        std::fputs(toolUsage().c_str(), stdout);
        return 0;
    }
    for (const Command* command : kCommands)
        if (name == command->name)
            return run(*command, std::vector<std::string>(argv + 2, argv + argc));
    return usageError("unknown command: " + name, toolUsage());
}
