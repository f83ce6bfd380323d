#pragma once

namespace audio {

/// The sample layout of an output, an input or a raw PCM clip. Mixing never converts: a clip is
/// mixed as raw frames of the output's format.
struct AudioFormat {
    int channels = 2;       ///< 1 or 2
    int bitsPerSample = 16; ///< 8 (unsigned, silence 128) or 16 (signed, native byte order)
    int samplesPerSecond = 44100;

    /// Bytes of one frame: one sample of every channel.
    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    /// Bytes of one second of sound.
    int bytesPerSecond() const { return bytesPerFrame() * samplesPerSecond; }
};

/// Checks channels (1 or 2), then bits per sample (8 or 16), then the rate (8000, 11025, 12000,
/// 16000, 22050, 24000, 32000, 44100, 48000, 64000, 88200 or 96000); the first that fails raises
/// `lang::Exception` "Unsupported count of channels while creating {device}" (or "... bits per
/// sample ...", "... samples per second ..."), where `device` is "AudioOutput" or "AudioInput".
void checkFormat(const AudioFormat& format, const char* device);

} // namespace audio
