#include "VideoPlayer.h"

namespace pf {

bool VideoPlayer::platformPlay(const std::string&, bool) { return false; }

} // namespace pf
