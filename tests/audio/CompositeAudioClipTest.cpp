#include "AudioFiles.h"

#include "audio/AudioClip.h"
#include "audio/AudioClipCursor.h"
#include "audio/CompositeAudioClip.h"

#include <gtest/gtest.h>

using audio::AudioClip;
using audio::AudioClipCursor;
using audio::CompositeAudioClip;
using namespace audiotest;

namespace {

lang::Ref<AudioClip> memoryClip(const Bytes& pcm, const audio::AudioFormat& format = {1, 8, 11025}) {
    return new AudioClip(pcm.data(), static_cast<int>(pcm.size()), format);
}

lang::Ref<AudioClip> composite(std::vector<lang::Ref<AudioClip>> members) {
    return new CompositeAudioClip(std::move(members));
}

TEST(CompositeAudioClip, PlaysItsMembersOneAfterAnotherAcrossEveryBoundary) {
    const Bytes a = pattern(10, 1), b = pattern(6, 2), c = pattern(9, 3);
    Bytes whole = a;
    whole.insert(whole.end(), b.begin(), b.end());
    whole.insert(whole.end(), c.begin(), c.end());
    // An empty member and a nested composite are passed over without a short read.
    const auto clip = composite({memoryClip(a), memoryClip({}), memoryClip(b), composite({memoryClip(c)})});
    EXPECT_EQ(clip->dataLength(), static_cast<int>(whole.size()));

    for (const int piece : {1, 3, 7, 10, 16, 100}) {
        SCOPED_TRACE(piece);
        AudioClipCursor cursor;
        Bytes played, buffer(static_cast<std::size_t>(piece));
        int got;
        while ((got = clip->read(buffer.data(), piece, cursor)) > 0) {
            played.insert(played.end(), buffer.begin(), buffer.begin() + got);
            // Only the read that reaches the last member's end may come back short.
            if (played.size() < whole.size()) {
                EXPECT_EQ(got, piece);
            }
        }
        EXPECT_EQ(played, whole);
        EXPECT_EQ(clip->read(buffer.data(), piece, cursor), 0);
    }

    // A cursor standing exactly at the end of a member goes on with the next one.
    struct StartCase {
        int member;
        int position;
        std::size_t offset;
    };
    for (const StartCase& start :
         {StartCase{0, 10, 10}, StartCase{2, 6, 16}, StartCase{-1, 0, whole.size()}, StartCase{7, 0, whole.size()}}) {
        SCOPED_TRACE(testing::Message() << start.member << ":" << start.position);
        AudioClipCursor cursor;
        cursor.member = start.member;
        cursor.position = start.position;
        Bytes buffer(whole.size());
        const int got = clip->read(buffer.data(), static_cast<int>(buffer.size()), cursor);
        ASSERT_EQ(got, static_cast<int>(whole.size() - start.offset));
        EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + got,
                               whole.begin() + static_cast<std::ptrdiff_t>(start.offset)));
    }
}

TEST(CompositeAudioClip, AnswersForItsFirstMemberAndAddsUpLengths) {
    const auto first = memoryClip(pattern(8), {2, 16, 22050});
    const auto clip = composite({first, memoryClip(pattern(5), {1, 8, 8000})});
    EXPECT_EQ(clip->channels(), 2);
    EXPECT_EQ(clip->bitsPerSample(), 16);
    EXPECT_EQ(clip->samplesPerSecond(), 22050);
    EXPECT_EQ(clip->blockAlign(), 4);
    EXPECT_EQ(clip->bytesPerSecond(), 88200);
    EXPECT_EQ(clip->encoding(), 1);
    EXPECT_EQ(clip->dataLength(), 13);

    const auto none = composite({});
    EXPECT_EQ(none->dataLength(), 0);
    EXPECT_EQ(none->channels(), 0);
    AudioClipCursor cursor;
    Bytes buffer(4);
    EXPECT_EQ(none->read(buffer.data(), 4, cursor), 0);
}

} // namespace
