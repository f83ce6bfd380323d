// demo-level-solver: the authoring tool that finds a solution replay for the demo's levels.
//
//     demo-level-solver solve LEVEL...
//     demo-level-solver save LEVEL...
//
// LEVEL is a level's number or name, or "all". "solve" searches shots bird by bird and writes the
// winning run to games/demo/levels/<name>.replay, or says that it found none. "save" writes the
// level file over as the game's edit mode saves it (load, F2, S): the text the level runner
// expects of a shipped level, for a file written or changed by hand.
#include "DemoSession.h"
#include "LevelSolver.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using demotest::LevelEntry;

std::vector<LevelEntry> chosenLevels(const std::vector<std::string>& arguments) {
    const std::vector<LevelEntry> shipped = demotest::shippedLevels();
    std::vector<LevelEntry> chosen;
    for (const std::string& argument : arguments) {
        if (argument == "all")
            return shipped;
        const auto found = std::find_if(shipped.begin(), shipped.end(), [&](const LevelEntry& level) {
            return level.name == argument || std::to_string(level.number) == argument;
        });
        if (found == shipped.end())
            throw std::runtime_error("no level " + argument + " in scripts/levelList.lua");
        chosen.push_back(*found);
    }
    return chosen;
}

/// Loads the level, saves it through the edit mode and copies what was saved over the source file.
void save(const LevelEntry& level) {
    demotest::DemoSession session(level.number);
    const std::filesystem::path saved = session.saveInEditMode(level.name);
    std::filesystem::copy_file(saved, demotest::demoSourceFolder() / "levels" / (level.name + ".lua"),
                               std::filesystem::copy_options::overwrite_existing);
    std::cout << "level " << level.number << " " << level.name << " saved" << std::endl;
}

/// Finds a won run of the level and writes it as its replay; false when none was found.
bool solve(const LevelEntry& level) {
    std::cout << "level " << level.number << " " << level.name << std::endl;
    const std::optional<demotest::Outcome> won = demotest::LevelSolver(level.number, std::cout).solve();
    if (!won) {
        std::cout << "  no solution found" << std::endl;
        return false;
    }
    framework::writeReplay((demotest::demoSourceFolder() / "levels" / (level.name + ".replay")).string(), won->frames);
    std::cout << "  won: score " << won->score << ", " << won->stars << " stars, " << won->frames.size() << " frames"
              << std::endl;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() < 2 || (arguments[0] != "solve" && arguments[0] != "save")) {
        std::fprintf(stderr, "usage: %s solve|save LEVEL... (a number, a name or all)\n", argv[0]);
        return 2;
    }
    int failed = 0;
    try {
        for (const LevelEntry& level : chosenLevels({arguments.begin() + 1, arguments.end()})) {
            if (arguments[0] == "save")
                save(level);
            else if (!solve(level))
                ++failed;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
