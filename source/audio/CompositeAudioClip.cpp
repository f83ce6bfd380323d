#include "audio/CompositeAudioClip.h"

#include "audio/AudioClipCursor.h"

#include <cstdint>
#include <utility>

namespace audio {
namespace {

/// The members of `clips` in play order, with composite members replaced by their own members:
/// a composite keeps its place in the cursor's member index, which a nested composite would use
/// for its own members too.
std::vector<lang::Ref<AudioClip>> flatten(std::vector<lang::Ref<AudioClip>> clips) {
    std::vector<lang::Ref<AudioClip>> members;
    for (auto& clip : clips) {
        if (const auto* composite = dynamic_cast<const CompositeAudioClip*>(clip.get()))
            members.insert(members.end(), composite->members().begin(), composite->members().end());
        else
            members.push_back(std::move(clip));
    }
    return members;
}

} // namespace

CompositeAudioClip::CompositeAudioClip(std::vector<lang::Ref<AudioClip>> members)
    : m_members(flatten(std::move(members))) {}

CompositeAudioClip::~CompositeAudioClip() = default;

int CompositeAudioClip::read(void* buffer, int count, AudioClipCursor& cursor) {
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    int delivered = 0;
    // A member that has nothing more hands over to the next one within the same read, so the
    // mixer never sees an empty read (its sign of the end) at a boundary between members.
    while (delivered < count && cursor.member >= 0 && static_cast<std::size_t>(cursor.member) < m_members.size()) {
        const int got =
            m_members[static_cast<std::size_t>(cursor.member)]->read(bytes + delivered, count - delivered, cursor);
        delivered += got;
        if (got > 0)
            continue;
        if (static_cast<std::size_t>(cursor.member) + 1 == m_members.size())
            break;
        cursor.position = 0;
        ++cursor.member;
    }
    return delivered;
}

int CompositeAudioClip::askFirst(int (AudioClip::*query)() const) const {
    return m_members.empty() ? 0 : (m_members.front().get()->*query)();
}

int CompositeAudioClip::encoding() const { return askFirst(&AudioClip::encoding); }

int CompositeAudioClip::channels() const { return askFirst(&AudioClip::channels); }

int CompositeAudioClip::samplesPerSecond() const { return askFirst(&AudioClip::samplesPerSecond); }

int CompositeAudioClip::bytesPerSecond() const { return askFirst(&AudioClip::bytesPerSecond); }

int CompositeAudioClip::blockAlign() const { return askFirst(&AudioClip::blockAlign); }

int CompositeAudioClip::bitsPerSample() const { return askFirst(&AudioClip::bitsPerSample); }

int CompositeAudioClip::dataLength() const {
    int total = 0;
    for (const auto& member : m_members) {
        if (member->dataLength() < 0)
            return -1;
        total += member->dataLength();
    }
    return total;
}

} // namespace audio
