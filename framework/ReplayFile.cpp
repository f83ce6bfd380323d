// Replay files: the version line, then one frame per line.
#include "framework/Replay.h"

#include "lang/Exception.h"
#include "lang/Format.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace framework {
namespace {

// Why the first line is not a replay header: another version, or no replay at all.
std::string headerProblem(const std::string& line) {
    const std::string name = "tumble-replay ";
    if (line.starts_with(name))
        return lang::Format("replay version {0} is not supported; this engine reads \"{1}\"", line.substr(name.size()),
                            kReplayHeader)
            .toString();
    return lang::Format("not a replay file: the first line must be \"{0}\"", kReplayHeader).toString();
}

} // namespace

std::vector<ReplayFrame> readReplay(const std::string& file) {
    std::ifstream input(file, std::ios::binary);
    if (!input)
        throw lang::Exception(lang::Format("{0}: cannot read the replay: {1}", file, std::strerror(errno)));
    std::string line;
    std::getline(input, line);
    if (line.ends_with('\r'))
        line.pop_back();
    if (line != kReplayHeader)
        throw lang::Exception(lang::Format("{0}:1: {1}", file, headerProblem(line)));
    std::vector<ReplayFrame> frames;
    for (int number = 2; std::getline(input, line); ++number) {
        try {
            frames.push_back(parseReplayFrame(line));
        } catch (const lang::Exception& e) {
            throw lang::Exception(lang::Format("{0}:{1}: {2}", file, number, e.message()));
        }
    }
    return frames;
}

void writeReplay(const std::string& file, const std::vector<ReplayFrame>& frames) {
    std::ofstream output(file, std::ios::binary | std::ios::trunc);
    output << kReplayHeader << '\n';
    for (const ReplayFrame& frame : frames)
        output << formatReplayFrame(frame) << '\n';
    output.flush();
    if (!output)
        throw lang::Exception(lang::Format("{0}: cannot write the replay", file));
}

} // namespace framework
