#pragma once

#include <functional>
#include <vector>

namespace sound {

/// Every sound of the demo is made at this rate (frames a second): the engine's mixer converts no
/// rates, and the game opens its output at 44.1 kHz.
constexpr int kSampleRate = 44100;

/// What happens to the part of a sound mixed in past the end of another.
enum class Overflow {
    Drop, ///< it is cut off
    Wrap, ///< it continues from the start, so that a loop carries tails across its seam
};

/// A sound being made: float samples at kSampleRate, full scale ±1, mono or stereo with the
/// channels of a frame side by side.
class Sound {
public:
    /// A silent sound of `frames` frames with `channels` channels (1 or 2).
    Sound(int channels, int frames);

    /// A mono sound lasting `seconds`, whose samples `generator` gives for the time in seconds from
    /// the start. It is called once per frame in time order, so it may keep state (oscillators,
    /// filters).
    static Sound generate(double seconds, const std::function<float(double seconds)>& generator);

    /// 1 for mono, 2 for stereo.
    int channels() const { return m_channels; }
    /// Length in frames.
    int frames() const { return m_frames; }
    /// The sample of `channel` in `frame`.
    float sample(int frame, int channel) const { return m_samples[frame * m_channels + channel]; }
    /// The sample of `channel` in `frame`, to change it.
    float& sample(int frame, int channel) { return m_samples[frame * m_channels + channel]; }

    /// Adds `other` times `gain` from frame `at` on. A mono sound into a stereo one is placed by
    /// `pan`, -1 (left) to 1 (right), at equal power; otherwise the channels must match. What
    /// passes the end follows `overflow`.
    void mix(const Sound& other, int at, float gain = 1, float pan = 0, Overflow overflow = Overflow::Drop);

    /// Fades the last `seconds` out in a straight line to silence, so that a sound cut to length
    /// does not end with a click.
    void fadeOut(double seconds);

    /// The largest magnitude of any sample.
    float peak() const;
    /// Scales every sample so that the peak becomes `level`; a silent sound stays silent.
    void normalise(float level);

private:
    int m_channels;
    int m_frames;
    std::vector<float> m_samples;
};

/// The frame `seconds` from the start (rounded to the nearest).
int framesOf(double seconds);

} // namespace sound
