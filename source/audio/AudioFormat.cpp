#include "audio/AudioFormat.h"

#include "lang/Exception.h"
#include "lang/Format.h"

#include <algorithm>
#include <array>

namespace audio {

void checkFormat(const AudioFormat& format, const char* device) {
    static constexpr std::array kRates{8000,  11025, 12000, 16000, 22050, 24000,
                                       32000, 44100, 48000, 64000, 88200, 96000};
    if (format.channels != 1 && format.channels != 2)
        throw lang::Exception(lang::Format("Unsupported count of channels while creating {0}", device));
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16)
        throw lang::Exception(lang::Format("Unsupported bits per sample while creating {0}", device));
    if (std::find(kRates.begin(), kRates.end(), format.samplesPerSecond) == kRates.end())
        throw lang::Exception(lang::Format("Unsupported samples per second while creating {0}", device));
}

} // namespace audio
