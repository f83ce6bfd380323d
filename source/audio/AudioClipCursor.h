#pragma once

#include "lang/Object.h"

namespace audio {

/// Where one playing instance is in its clip: a byte position in the current member (composite
/// clips have several members, plain clips one). Each instance has its own. Counted.
class AudioClipCursor : public lang::Object {
public:
    /// Back to the start of the first member.
    void reset() {
        position = 0;
        member = 0;
    }

    int position = 0; ///< bytes into the current member
    int member = 0;   ///< index of the current member
};

} // namespace audio
