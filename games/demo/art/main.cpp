// demo-art FOLDER: draws the demo game's pictures and writes them into FOLDER as one PNG per
// sprite, with pivots.txt giving each sprite's pivot, ready for `tumble-data sheet`.
#include "Pictures.h"

#include <SDL.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void writePictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    // A picture renamed or dropped must not linger in the sheet.
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".png")
            std::filesystem::remove(entry.path());
    std::ofstream pivots(folder / "pivots.txt");
    pivots << "# name x y: each sprite's pivot in pixels from its top-left corner\n";
    for (const art::Picture& picture : art::allPictures()) {
        picture.canvas.savePng((folder / (picture.name + ".png")).string());
        pivots << picture.name << ' ' << picture.pivotX << ' ' << picture.pivotY << '\n';
    }
    if (!pivots.flush())
        throw std::runtime_error("cannot write " + (folder / "pivots.txt").string());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage: demo-art FOLDER\n");
        return 2;
    }
    try {
        writePictures(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo-art: %s\n", e.what());
        return 1;
    }
    return 0;
}
