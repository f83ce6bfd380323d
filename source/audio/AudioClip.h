#pragma once

#include "audio/AudioFormat.h"
#include "io/FileType.h"
#include "lang/Object.h"
#include "lang/Ref.h"

namespace io {
class InputStream;
}

namespace audio {

class AudioClipCursor;
class AudioReader;

/// A source of raw PCM bytes that the mixer pulls from at each playing instance's cursor:
/// streamed (decoded while it plays) or held in memory. A playing instance keeps its clip alive
/// through a counted reference. Read from the mixing thread; the format queries from any.
class AudioClip : public lang::Object {
public:
    /// A clip that reads `stream` of `kind` (WAV or MP3) while it plays. Raises the reader's
    /// messages.
    AudioClip(lang::Ref<io::InputStream> stream, io::FileType kind);
    /// A clip of `count` PCM bytes copied from `pcm`, in `format`.
    AudioClip(const void* pcm, int count, const AudioFormat& format);
    ~AudioClip() override;

    /// Reads up to `count` bytes at `cursor` into `buffer` and advances the cursor by as many;
    /// returns that number, 0 at the clip's end (and for a negative position or count).
    virtual int read(void* buffer, int count, AudioClipCursor& cursor);
    /// Format tag, 1 for PCM.
    virtual int encoding() const;
    virtual int channels() const;
    virtual int samplesPerSecond() const;
    virtual int bytesPerSecond() const;
    virtual int blockAlign() const;
    virtual int bitsPerSample() const;
    /// Bytes of PCM, -1 when unknown (a streamed MP3).
    virtual int dataLength() const;

protected:
    /// For clips made of other clips; they answer every operation themselves.
    AudioClip();

private:
    lang::Ref<io::InputStream> m_stream;
    lang::Ref<AudioReader> m_reader;
};

/// Decodes all that `reader` holds from its start into memory (exactly the data length when it
/// is known, else 4096-byte blocks until one comes back short) and makes a clip of it in the
/// reader's channels, bits and rate.
lang::Ref<AudioClip> loadClip(AudioReader& reader);

} // namespace audio
