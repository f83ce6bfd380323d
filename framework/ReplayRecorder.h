#pragma once

#include "framework/Replay.h"
#include "lang/Event.h"
#include "lang/Ref.h"

#include <cstdio>
#include <string>
#include <vector>

namespace framework {

/// Records a run's input as a replay file: follows the host's input channels (`framework::events`,
/// which fire after each application call, in application pixels) and writes one line per frame.
/// Each line is flushed as it is written, so a run that crashes leaves its input up to the crash.
/// Main thread only; one recorder at a time makes sense.
class ReplayRecorder {
public:
    /// Creates `file` (replacing it) and writes the version line. Throws `lang::Exception` naming
    /// the file and the reason when it cannot be written.
    explicit ReplayRecorder(const std::string& file);
    ~ReplayRecorder();
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    /// Writes the frame about to be updated with `dt` seconds: the input given since the last
    /// frame. Call before the application's update.
    void frame(float dt);

private:
    void add(ReplayEvent event);
    void addTyped(char32_t code);
    void write(const std::string& text);

    std::string m_file;
    std::FILE* m_output = nullptr;
    bool m_failed = false;
    ReplayFrame m_pending;
    std::vector<lang::Ref<lang::event::Link>> m_links;
};

} // namespace framework
