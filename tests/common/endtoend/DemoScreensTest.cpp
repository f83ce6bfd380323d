// The demo's menus through the real executable: a navigation replay against stored pictures,
// progress that outlives the game, the language of the texts, and a machine without sound.
#include "GameHarness.h"
#include "TumbleRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using endtoend::loadPicture;
using endtoend::Outcome;
using endtoend::runTumble;

const std::string kTests = TUMBLE_SOURCE_DIR "/tests/games/demo/";
// Every run steps the same dt with the same seed, so that it draws the same frames.
const std::string kSteady = " --fixed-dt 0.0166667 --seed 1";

std::string inQuotes(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// Runs the demo game for `frames` frames with `arguments`, in the application-data folder
// `home`, and keeps its last frame in `shot`; the run must succeed.
void runAndShoot(const std::string& arguments, int frames, const std::filesystem::path& home,
                 const std::filesystem::path& shot, const std::string& environment = {}) {
    const Outcome run = runTumble("games/demo/config.lua" + kSteady + " --frames " + std::to_string(frames) +
                                      " --screenshot " + inQuotes(shot) + " " + arguments,
                                  home.string(), environment);
    ASSERT_EQ(run.exitCode, 0) << arguments << "\n" << run.output;
}

// How far two pictures of the same size are apart: the mean absolute difference of a channel,
// and the share of pixels where some channel is off by more than kBadStep.
struct Difference {
    double meanPerChannel = 0;
    double badShare = 0;
};

constexpr int kBadStep = 64;

// A part of a picture, pixels: left, top, right, bottom (the last two outside).
struct Box {
    int x0, y0, x1, y1;
};
constexpr Box kWholeScreen{0, 0, 800, 600};
// The title's buttons, where their texts are.
constexpr Box kTitleButtons{280, 250, 520, 520};

Difference compare(SDL_Surface* found, SDL_Surface* expected, Box box) {
    std::uint64_t sum = 0, bad = 0;
    for (int y = box.y0; y < box.y1; ++y) {
        const auto* a = static_cast<const std::uint8_t*>(found->pixels) + y * found->pitch;
        const auto* b = static_cast<const std::uint8_t*>(expected->pixels) + y * expected->pitch;
        for (int x = box.x0; x < box.x1; ++x) {
            int worst = 0;
            for (int channel = 0; channel < 3; ++channel) {
                const int step = std::abs(a[x * 4 + channel] - b[x * 4 + channel]);
                sum += static_cast<std::uint64_t>(step);
                worst = std::max(worst, step);
            }
            bad += worst > kBadStep ? 1 : 0;
        }
    }
    const double pixels = static_cast<double>(box.x1 - box.x0) * (box.y1 - box.y0);
    return {static_cast<double>(sum) / (3 * pixels), static_cast<double>(bad) / pixels};
}

Difference compareFiles(const std::filesystem::path& found, const std::filesystem::path& expected, Box box) {
    SDL_Surface* a = loadPicture(found.string());
    SDL_Surface* b = loadPicture(expected.string());
    Difference difference{255, 1};
    if (a && b && a->w == b->w && a->h == b->h && a->w >= box.x1 && a->h >= box.y1)
        difference = compare(a, b, box);
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
    return difference;
}

// The player clicks through the menus (tests/games/demo/navigation.replay: Play on the title,
// level 1's tile, the HUD's pause button, Settings in the pause menu, then Back). Runs cut
// where each screen is up must draw what the stored pictures show, within what another
// driver's rounding may change. TUMBLE_UPDATE_PICTURES=1 stores the runs' pictures instead
// (`cmake --build build --target update_demo_pictures`), after a deliberate change of the looks.
TEST(DemoScreensTest, TheNavigationReplayDrawsTheStoredPictures) {
    const struct {
        const char* picture;
        int frames;
    } stops[] = {{"level-select", 40}, {"pause", 120}, {"settings", 150}};
    const bool update = std::getenv("TUMBLE_UPDATE_PICTURES") != nullptr;
    const std::filesystem::path failures = std::filesystem::path(TUMBLE_BUILD_DIR) / "demo-screens-failures";
    for (const auto& stop : stops) {
        gametest::TempFolder home;
        const std::filesystem::path shot = home.path() / "shot.png";
        const std::filesystem::path stored = kTests + "pictures/" + stop.picture + ".png";
        runAndShoot("--replay " + inQuotes(kTests + "navigation.replay"), stop.frames, home.path(), shot);
        if (update) {
            std::filesystem::copy_file(shot, stored, std::filesystem::copy_options::overwrite_existing);
            continue;
        }
        const Difference difference = compareFiles(shot, stored, kWholeScreen);
        const bool alike = difference.meanPerChannel <= 2.0 && difference.badShare <= 0.005;
        EXPECT_TRUE(alike) << stop.picture << ": mean difference " << difference.meanPerChannel << " per channel, "
                           << difference.badShare * 100 << " % of pixels far off; this run's picture is in "
                           << (failures / (std::string(stop.picture) + ".png"));
        if (!alike) {
            std::filesystem::create_directories(failures);
            std::filesystem::copy_file(shot, failures / (std::string(stop.picture) + ".png"),
                                       std::filesystem::copy_options::overwrite_existing);
        }
    }
}

// The texts come in the desktop's language on the first start (Finnish for Finnish, English
// for anything else), then in the one the settings name; choosing Suomi in the settings turns
// the title's buttons Finnish at once and for the next start. Every run ends on the title at the
// same frame, so the buttons' pixels tell the languages apart.
TEST(DemoScreensTest, TheLanguageFollowsTheDesktopThenTheSetting) {
    const std::string english = "LANG=en_US.UTF-8", finnish = "LANG=fi_FI.UTF-8";
    const struct {
        const char* what;
        std::string desktop;
        const char* saved;  // the saved settings' language, or null for a first start
        const char* replay; // what the player does, or null for nothing
        bool finnishTexts;
    } cases[] = {
        {"English desktop", english, nullptr, nullptr, false},
        {"Finnish desktop", finnish, nullptr, nullptr, true},
        {"Finnish desktop, English chosen before", finnish, "en_EN", nullptr, false},
        {"English desktop, Suomi chosen now", english, nullptr, "choose-finnish.replay", true},
        {"English desktop, Suomi chosen before", english, "fi_FI", nullptr, true},
    };
    constexpr int kFrames = 40;
    gametest::TempFolder folder;
    std::vector<std::filesystem::path> shots;
    for (const auto& c : cases) {
        const std::filesystem::path home = folder.path() / std::to_string(shots.size());
        if (c.saved)
            gametest::writeFile(home / "Tumble" / "Demo" / "settings.lua",
                                gametest::encipherSave("language = \"" + std::string(c.saved) + "\"\n"));
        shots.push_back(folder.path() / (std::to_string(shots.size()) + ".png"));
        runAndShoot(c.replay ? "--replay " + inQuotes(kTests + c.replay) : "", kFrames, home, shots.back(),
                    "LANGUAGE= LC_ALL= LC_MESSAGES= " + c.desktop);
    }
    // The first case is English and the second Finnish: every other case draws the buttons as
    // the one of its language does, and the two languages draw them differently.
    const Difference between = compareFiles(shots[0], shots[1], kTitleButtons);
    EXPECT_GT(between.badShare, 0.01) << "English and Finnish buttons look alike";
    for (std::size_t i = 2; i < shots.size(); ++i) {
        const Difference difference = compareFiles(shots[i], shots[cases[i].finnishTexts ? 1 : 0], kTitleButtons);
        EXPECT_LT(difference.meanPerChannel, 0.5) << cases[i].what;
    }
}

// A level won is remembered by the next start: its tile keeps its stars and the next level
// opens, where a fresh start leaves it locked. The win comes from level 1's solution replay;
// then a click on level 2's tile (tests/games/demo/second-level.replay) starts it only when open.
TEST(DemoScreensTest, AWinOutlivesTheGameAndOpensTheNextLevel) {
    gametest::TempFolder folder;
    const std::filesystem::path won = folder.path() / "won", fresh = folder.path() / "fresh";
    const Outcome win = runTumble("games/demo/config.lua" + kSteady + " --level 1 --replay " +
                                      inQuotes(TUMBLE_SOURCE_DIR "/games/demo/levels/meadow_01.replay"),
                                  won.string());
    ASSERT_EQ(win.exitCode, 0) << win.output;
    ASSERT_NE(win.output.find("level 1 meadow_01 won"), std::string::npos) << win.output;

    for (const auto& [home, opens] : {std::pair{won, true}, std::pair{fresh, false}}) {
        const Outcome run = runTumble(
            "games/demo/config.lua" + kSteady + " --replay " + inQuotes(kTests + "second-level.replay"), home.string());
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(run.output.find("starting level 2 meadow_02") != std::string::npos, opens) << home << "\n"
                                                                                             << run.output;
    }
}

// The game runs on, silent, where no sound device opens, and says so.
TEST(DemoScreensTest, TheGameRunsSilentWithoutASoundDevice) {
    gametest::TempFolder home;
    const Outcome run =
        runTumble("games/demo/config.lua --frames 30", home.path().string(), "SDL_AUDIODRIVER=no_such_driver");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("the game runs silent"), std::string::npos) << run.output;
}

} // namespace
