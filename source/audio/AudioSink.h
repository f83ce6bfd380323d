#pragma once

namespace audio {

/// Where an output's mixed bytes go: a device that plays a queue of bytes at its own pace. The
/// mixing thread keeps the queue topped up to the output's buffer size. Called from the mixing
/// thread and from whoever starts and stops the output, never at once.
class AudioSink {
public:
    virtual ~AudioSink() = default;

    /// Starts playing what is queued (and what is queued later); false when the device refuses.
    virtual bool start() = 0;
    /// Pauses playing and drops what is queued.
    virtual void stop() = 0;
    /// Bytes queued and not yet played.
    virtual int queuedBytes() = 0;
    /// Appends `count` bytes to the queue.
    virtual void queue(const void* bytes, int count) = 0;
};

} // namespace audio
