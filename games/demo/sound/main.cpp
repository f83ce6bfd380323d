// demo-sound FOLDER: synthesises the demo game's sounds and writes them into FOLDER as 16-bit
// 44.1 kHz WAV files, one per sound; the build ships the effects as they are and encodes the music
// to MP3.
#include "SoundFolder.h"

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

const char* const kUsage =
    "Usage: demo-sound FOLDER\n"
    "Synthesises the demo game's sounds into FOLDER (created if missing) as 16-bit 44.1 kHz WAV files:\n"
    "the effects (mono), music.wav and music_menu.wav (stereo loops, for encoding to MP3).\n";

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        sound::writeSoundFolder(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo-sound: %s\n", e.what());
        return 1;
    }
    return 0;
}
