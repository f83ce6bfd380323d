#include "Sound.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace sound {

Sound::Sound(int channels, int frames) : m_channels(channels), m_frames(frames) {
    if (channels != 1 && channels != 2)
        throw std::invalid_argument("a sound has 1 or 2 channels, not " + std::to_string(channels));
    if (frames < 0)
        throw std::invalid_argument("a sound cannot last " + std::to_string(frames) + " frames");
    m_samples.assign(static_cast<std::size_t>(channels) * frames, 0.0f);
}

Sound Sound::generate(double seconds, const std::function<float(double seconds)>& generator) {
    Sound sound(1, framesOf(seconds));
    for (int frame = 0; frame < sound.m_frames; ++frame)
        sound.m_samples[frame] = generator(static_cast<double>(frame) / kSampleRate);
    return sound;
}

void Sound::mix(const Sound& other, int at, float gain, float pan, Overflow overflow) {
    if (other.m_channels != m_channels && other.m_channels != 1)
        throw std::invalid_argument("a stereo sound cannot be mixed into a mono one");
    // Equal power: the two gains' squares add up to one, so a sound keeps its loudness as it moves.
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1) * 0.25 * 3.14159265358979;
    const float channelGains[2] = {static_cast<float>(std::cos(angle)) * gain,
                                   static_cast<float>(std::sin(angle)) * gain};
    const bool spread = other.m_channels == 1 && m_channels == 2;
    for (int frame = 0; frame < other.m_frames; ++frame) {
        int target = at + frame;
        if (overflow == Overflow::Wrap && m_frames > 0)
            target = ((target % m_frames) + m_frames) % m_frames;
        if (target < 0 || target >= m_frames)
            continue;
        for (int channel = 0; channel < m_channels; ++channel) {
            const float source = other.sample(frame, spread ? 0 : channel);
            sample(target, channel) += source * (spread ? channelGains[channel] : gain);
        }
    }
}

void Sound::fadeOut(double seconds) {
    const int length = std::min(m_frames, framesOf(seconds));
    for (int frame = m_frames - length; frame < m_frames; ++frame)
        for (int channel = 0; channel < m_channels; ++channel)
            sample(frame, channel) *= static_cast<float>(m_frames - 1 - frame) / static_cast<float>(length);
}

float Sound::peak() const {
    float largest = 0;
    for (const float value : m_samples)
        largest = std::max(largest, std::abs(value));
    return largest;
}

void Sound::normalise(float level) {
    const float largest = peak();
    if (largest == 0)
        return;
    for (float& value : m_samples)
        value *= level / largest;
}

int framesOf(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

} // namespace sound
