#include "ToolTestFolder.h"

#include <cstdio>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

class CommandLine : public ToolTestFolder {
protected:
    /// Runs the tool with `arguments` in the test's folder; returns the exit status and what it
    /// printed to both streams.
    std::pair<int, std::string> run(const std::string& arguments) {
        const std::string command =
            "cd '" + m_folder.string() + "' && '" TUMBLE_BIN_DIR "/tumble-data' " + arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        std::string output;
        char buffer[512];
        while (std::size_t count = std::fread(buffer, 1, sizeof buffer, pipe))
            output.append(buffer, count);
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
    }
};

TEST_F(CommandLine, ExitStatusAndMessages) {
    write("t.tsv", "id\ten\nx\ta\nx\tb\n");
    write("c.txt", "composite a\npart s 1 2\n");
    struct Case {
        std::string arguments;
        int status;
        std::string output;
    };
    const Case cases[] = {
        {"", 2, "tumble-data: no command given\n\nUsage: tumble-data COMMAND"},
        {"--help", 0, "  font FONTFILE SIZE OUT.dat [--chars FILE] [--tracking N] [--padding N]\n"},
        {"shrink a b", 2, "unknown command: shrink"},
        {"sheet in", 2, "sheet takes 2 arguments, not 1\n\nUsage: tumble-data sheet FOLDER OUT.dat"},
        {"sheet in out.dat --padding", 2, "the option --padding needs a value"},
        {"sheet in out.dat --padding -1", 2, "--padding must be an integer from 0 to 1024, not \"-1\""},
        {"sheet in out.dat --size 4", 2, "sheet does not take the option --size"},
        {"font f.ttf 12px out.dat", 2, "SIZE must be an integer from 1 to 1000, not \"12px\""},
        {"dump a b", 2, "dump takes 1 arguments, not 2"},
        {"unpack a b c", 2, "unpack takes 1 to 2 arguments, not 3"},
        {"compo --help", 0, "Usage: tumble-data compo DESCRIPTION OUT.dat\n"},
        {"text t.tsv t.dat", 1, "tumble-data: t.tsv:3: the identifier x was already given on line 2\n"},
        {"sheet missing out.dat", 1, "tumble-data: missing is not a folder\n"},
        {"compo c.txt c.dat", 0, "c.dat: 1 composites\n"},
        {"dump c.dat", 0, "    composite \"a\"\n      part \"s\" 1 2\n"},
        {"dump c.txt", 1, "c.txt is not a QPF2 container"},
    };
    for (const Case& test : cases) {
        const auto [status, output] = run(test.arguments);
        EXPECT_EQ(status, test.status) << test.arguments << "\n" << output;
        EXPECT_NE(output.find(test.output), std::string::npos) << test.arguments << "\n" << output;
    }
}

} // namespace
