#include "GameApp.h"
#include "GameConfiguration.h"
#include "framework/Host.h"

namespace {

constexpr const char* kDescription =
    "Runs the game whose start-up settings are in CONFIG; its folder becomes the working\n"
    "directory. Without CONFIG it runs the config.lua of the working directory, or else the\n"
    "bundled demonstration game.\n";

} // namespace

int main(int argc, char** argv) {
    return framework::processMain(argc, argv, {readConfiguration, createApp}, kDescription);
}
