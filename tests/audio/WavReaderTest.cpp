#include "AudioFiles.h"

#include "audio/AudioClip.h"
#include "audio/AudioClipCursor.h"
#include "audio/AudioReader.h"
#include "io/IOException.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using audio::AudioReader;
using namespace audiotest;

namespace {

struct LayoutCase {
    const char* name;
    std::vector<Chunk> chunks;
    int dataOffset;
    int dataLength;
};

const Bytes kSamples = pattern(40);

TEST(WavReader, FindsTheSamplesWhereverTheChunksLie) {
    const Chunk list5{"LIST", pattern(5, 1)};
    const Chunk list9{"LIST", pattern(9, 2)};
    const Chunk data{"data", kSamples};
    const LayoutCase cases[] = {
        {"plain", {formatChunk(1, 2, 16, 22050), data}, 44, 40},
        // Odd-sized chunks are not padded: the next header follows the body at once.
        {"lists_before_and_after_fmt", {list5, formatChunk(1, 2, 16, 22050), list9, data}, 12 + 13 + 24 + 17 + 8, 40},
        {"fmt_with_extension", {formatChunk(1, 2, 16, 22050, 18), data}, 46, 40},
        {"fmt_longer_than_128", {formatChunk(1, 2, 16, 22050, 201), list5, data}, 12 + 209 + 13 + 8, 40},
        {"data_declared_past_the_end", {formatChunk(1, 2, 16, 22050), {"data", kSamples, 1000}}, 44, 40},
        {"no_data_chunk", {formatChunk(1, 2, 16, 22050), list9}, 0, 0},
        {"chunk_declared_past_the_end", {formatChunk(1, 2, 16, 22050), {"LIST", pattern(9), 5000}, data}, 0, 0},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        AudioReader reader(memoryStream(riffFile(c.chunks)), io::FileType::WAV);
        EXPECT_EQ(reader.kind(), AudioReader::kPcmInPlace);
        EXPECT_EQ(reader.dataOffset(), c.dataOffset);
        EXPECT_EQ(reader.dataLength(), c.dataLength);
        EXPECT_EQ(reader.channels(), 2);
        EXPECT_EQ(reader.bitsPerSample(), 16);
        EXPECT_EQ(reader.samplesPerSecond(), 22050);
        EXPECT_EQ(reader.blockAlign(), 4);
        EXPECT_EQ(reader.bytesPerSecond(), 88200);
        Bytes all(100, 0);
        const int got = reader.read(all.data(), 0, 100);
        ASSERT_EQ(got, c.dataLength);
        EXPECT_TRUE(std::equal(all.begin(), all.begin() + got, kSamples.begin()));
    }
}

struct FailureCase {
    const char* name;
    Bytes file;
    io::FileType kind;
    std::string message;
    bool ioException;
};

TEST(WavReader, RefusesWhatItCannotPlayWithTheMessageThatSaysWhy) {
    const Chunk data{"data", kSamples};
    Bytes notWave = riffFile({formatChunk(1, 1, 8, 8000), data});
    notWave[8] = 'A';
    const FailureCase cases[] = {
        {"not_wave", notWave, io::FileType::WAV, "Only RIFF/WAVE sounds are currently supported", false},
        {"data_before_fmt", riffFile({data, formatChunk(1, 1, 8, 8000)}), io::FileType::WAV,
         "Missing fmt chunk before data chunk in wav file", false},
        {"float_samples", riffFile({formatChunk(3, 1, 32, 8000), data}), io::FileType::WAV,
         "WAV was not PCM! RIFF AudioEncoding TwoCC value: 0x3", false},
        {"extensible_tag", riffFile({formatChunk(0xFFFE, 2, 16, 8000, 40), data}), io::FileType::WAV,
         "WAV was not PCM! RIFF AudioEncoding TwoCC value: 0xfffe", false},
        {"fmt_too_short", riffFile({{"fmt ", pattern(14)}, data}), io::FileType::WAV,
         "WAV fmt chunk of 14 bytes is too short for PCM in test.wav", false},
        {"not_a_sound_kind", riffFile({formatChunk(1, 1, 8, 8000), data}), io::FileType::PNG,
         "Unsupported audio file format while reading test.wav", true},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            AudioReader reader(memoryStream(c.file), c.kind);
            ADD_FAILURE() << "nothing raised";
        } catch (const lang::Exception& e) {
            EXPECT_EQ(e.message(), c.message);
            EXPECT_EQ(dynamic_cast<const io::IOException*>(&e) != nullptr, c.ioException);
        }
    }
}

TEST(WavReader, AHeaderCutShortAnywhereRaisesOrHasNoSamples) {
    const Bytes file = riffFile({{"LIST", pattern(5)}, formatChunk(1, 2, 16, 22050, 18), {"data", kSamples}});
    const std::size_t headerEnd = file.size() - kSamples.size();
    for (std::size_t length = 0; length <= headerEnd; ++length) {
        SCOPED_TRACE(length);
        const Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        try {
            AudioReader reader(memoryStream(prefix), io::FileType::WAV);
            EXPECT_EQ(reader.dataLength(), 0);
            Bytes buffer(8);
            EXPECT_EQ(reader.read(buffer.data(), 0, 8), 0);
        } catch (const io::IOException& e) {
            const std::string wanted = length < 12 ? "12" : "(8|16)";
            EXPECT_THAT(e.message(), testing::MatchesRegex("Failed to read " + wanted + " bytes from test.wav"));
        }
    }
}

TEST(AudioClip, MemoryClipReadsAtTheCursorAndStaysInsideItsData) {
    const Bytes pcm = pattern(10);
    audio::AudioClip clip(pcm.data(), 10, {1, 8, 11025});
    EXPECT_EQ(clip.dataLength(), 10);
    EXPECT_EQ(clip.blockAlign(), 1);
    EXPECT_EQ(clip.bytesPerSecond(), 11025);
    EXPECT_EQ(clip.encoding(), 1);

    struct ReadCase {
        int position;
        int count;
        int delivered;
    };
    const ReadCase cases[] = {{0, 4, 4},        {8, 4, 2},  {10, 4, 0}, {11, 4, 0},
                              {-3, 4, 0},       {2, -1, 0}, {2, 0, 0},  {INT32_MAX - 1, 4, 0},
                              {3, INT32_MAX, 7}};
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << "+" << c.count);
        audio::AudioClipCursor cursor;
        cursor.position = c.position;
        Bytes buffer(10, 0);
        // The buffer holds the whole clip: a read that passed the data's end would show under ASan.
        ASSERT_EQ(clip.read(buffer.data(), c.count, cursor), c.delivered);
        EXPECT_EQ(cursor.position, c.position + c.delivered);
        if (c.delivered > 0) {
            EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + c.delivered, pcm.begin() + c.position));
        }
    }
}

} // namespace
