#pragma once

#include "VideoPlayerImplBase.h"

namespace pf {

/// The desktop's video player: it keeps the playlist but plays nothing, so it never reports an
/// event and a started video never ends. Game thread only.
class VideoPlayer : public VideoPlayerImplBase {
protected:
    /// Nothing is played: answers that playback did not start.
    bool platformPlay(const std::string& file, bool special) override;
    void platformStop() override {}
    void platformPause() override {}
    void platformResume() override {}
};

} // namespace pf
