#pragma once

#include "audio/AudioClip.h"

#include <vector>

namespace audio {

/// Several clips played one after another as one clip. The format queries answer for the first
/// member; the length is the members' sum, -1 if any member's is unknown, 0 without members.
class CompositeAudioClip : public AudioClip {
public:
    /// Plays `members` in order; a composite member counts as its own members.
    explicit CompositeAudioClip(std::vector<lang::Ref<AudioClip>> members);
    ~CompositeAudioClip() override;

    /// Reads through the members in order; at a member's end the cursor moves to the next
    /// member's start and the read goes on there, so only the last member's end ends a read
    /// short.
    int read(void* buffer, int count, AudioClipCursor& cursor) override;
    int encoding() const override;
    int channels() const override;
    int samplesPerSecond() const override;
    int bytesPerSecond() const override;
    int blockAlign() const override;
    int bitsPerSample() const override;
    int dataLength() const override;

    const std::vector<lang::Ref<AudioClip>>& members() const { return m_members; }

private:
    /// `query` of the first member; 0 without members.
    int askFirst(int (AudioClip::*query)() const) const;

    std::vector<lang::Ref<AudioClip>> m_members;
};

} // namespace audio
