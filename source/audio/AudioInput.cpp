#include "audio/AudioInput.h"

namespace audio {

AudioInput::AudioInput(const AudioFormat& format) : m_format(format) { checkFormat(format, "AudioInput"); }

AudioInput::~AudioInput() = default;

bool AudioInput::start() { return true; }

void AudioInput::stop() {}

} // namespace audio
