#include "DataCommands.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

constexpr const char* kUsage =
    "Usage: tumble-data COMMAND ARGUMENTS\n"
    "\n"
    "Packs and enciphers the data files of a Tumble game.\n"
    "\n"
    "Commands:\n"
    "  pack-script IN OUT      zip IN as the single entry of an archive enciphered with the data\n"
    "                          key (scripts and levels alike)\n"
    "  unpack FILE [OUTDIR]    decipher FILE with the data key and extract its entries into OUTDIR\n"
    "                          (default: the current folder)\n"
    "  encipher-save IN OUT    encipher a saved table's text with the save key\n"
    "  decipher-save IN OUT    decipher a saved table written by the engine\n"
    "  --help                  show this text\n"
    "\n"
    "Outputs are replaced only when a command succeeds. Exit status: 0 on success, 1 on a\n"
    "failure, 2 on a usage error.\n";

int usageError(const char* message) {
    std::fprintf(stderr, "tumble-data: %s\n\n%s", message, kUsage);
    return 2;
}

int run(const std::string& command, int count, char** arguments) {
    if (command == "pack-script" && count == 2) {
        datatool::packScript(arguments[0], arguments[1]);
    } else if (command == "unpack" && (count == 1 || count == 2)) {
        for (const auto& file : datatool::unpack(arguments[0], count == 2 ? arguments[1] : "."))
            std::printf("%s\n", file.string().c_str());
    } else if (command == "encipher-save" && count == 2) {
        datatool::encipherSave(arguments[0], arguments[1]);
    } else if (command == "decipher-save" && count == 2) {
        datatool::decipherSave(arguments[0], arguments[1]);
    } else {
        return usageError(("wrong command or number of arguments: " + command).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usageError("no command given");
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        return run(argv[1], argc - 2, argv + 2);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tumble-data: %s\n", e.what());
        return 1;
    }
}
