#include "AudioFiles.h"
#include "WorkingFolder.h"

#include "audio/AudioClip.h"
#include "audio/AudioClipCursor.h"
#include "audio/AudioReader.h"
#include "audio/CompositeAudioClip.h"
#include "io/FileInputStream.h"
#include "io/IOException.h"
#include "lang/Log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using audio::AudioClip;
using audio::AudioClipCursor;
using audio::AudioReader;
using namespace audiotest;

namespace {

constexpr int kRate = 44100;
constexpr double kSeconds = 1.5;

/// One lame-made stereo MP3 for the whole suite, and its decoding by plain sequential reads.
class Mp3Reader : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new testsupport::WorkingFolder;
        mp3 = new Bytes(lameMp3(folder->path(), 2, kRate, kSeconds));
        writeFile(folder->path() / "tone.mp3", *mp3);
        straight = new Bytes(decodeAll(*openClip(), 4096));
    }
    static void TearDownTestSuite() {
        delete straight;
        delete mp3;
        delete folder;
    }

    static lang::Ref<AudioClip> openClip() {
        return new AudioClip(new io::FileInputStream((folder->path() / "tone.mp3").string()), io::FileType::MP3);
    }

    /// Everything `clip` delivers from its start in reads of `piece` bytes.
    static Bytes decodeAll(AudioClip& clip, int piece) {
        Bytes all;
        AudioClipCursor cursor;
        Bytes buffer(static_cast<std::size_t>(piece));
        while (const int got = clip.read(buffer.data(), piece, cursor))
            all.insert(all.end(), buffer.begin(), buffer.begin() + got);
        return all;
    }

    /// Whether `got` is the straight decode from byte `offset` on, sample by sample, allowing the
    /// one step of rounding that the decoder's synthesis filter may differ by after a seek. A
    /// misplaced or shifted read differs by far more.
    static bool matchesStraight(const Bytes& got, int offset) {
        if (got.size() != straight->size() - static_cast<std::size_t>(offset))
            return false;
        // Samples start at even bytes of the decode, wherever the read started.
        for (auto i = static_cast<std::size_t>(offset % 2); i + 1 < got.size(); i += 2) {
            const std::size_t at = i + static_cast<std::size_t>(offset);
            const auto a = static_cast<std::int16_t>(got[i] | got[i + 1] << 8);
            const auto b = static_cast<std::int16_t>((*straight)[at] | (*straight)[at + 1] << 8);
            if (std::abs(a - b) > 1)
                return false;
        }
        return true;
    }

    static inline testsupport::WorkingFolder* folder = nullptr;
    static inline Bytes* mp3 = nullptr;
    static inline Bytes* straight = nullptr;
};

TEST_F(Mp3Reader, DecodesTheToneThatWasEncoded) {
    const auto clip = openClip();
    EXPECT_EQ(clip->channels(), 2);
    EXPECT_EQ(clip->bitsPerSample(), 16);
    EXPECT_EQ(clip->samplesPerSecond(), kRate);
    EXPECT_EQ(clip->dataLength(), -1);
    EXPECT_EQ(clip->blockAlign(), 0);

    // Gapless decoding gives back exactly the encoded frames, and they sound like the tone:
    // the difference is far below the signal.
    const Bytes wav = toneWav(2, kRate, kSeconds);
    const Bytes original(wav.begin() + 44, wav.end());
    ASSERT_EQ(straight->size(), original.size());
    double signal = 0, noise = 0;
    for (std::size_t i = 0; i + 1 < original.size(); i += 2) {
        const auto a = static_cast<std::int16_t>(original[i] | original[i + 1] << 8);
        const auto b = static_cast<std::int16_t>((*straight)[i] | (*straight)[i + 1] << 8);
        signal += double(a) * a;
        noise += double(a - b) * (a - b);
    }
    EXPECT_LT(noise, signal / 100);
}

TEST_F(Mp3Reader, CursorsAnywhereInOneClipGetTheSameBytesAsAStraightDecode) {
    const auto clip = openClip();
    const int size = static_cast<int>(straight->size());
    // Each instance starts somewhere else and reads its own piece size; their reads interleave,
    // so every read has to move the one decoder to its own instance's position.
    struct Instance {
        AudioClipCursor cursor;
        int piece;
        Bytes got;
    };
    const int starts[] = {0, size / 2, 3, size - 1000, 4 * 1152 * 10 + 2};
    const int pieces[] = {4096, 1000, 777, 512, 4100};
    std::vector<Instance> instances(std::size(starts));
    for (std::size_t i = 0; i < instances.size(); ++i) {
        instances[i].cursor.position = starts[i];
        instances[i].piece = pieces[i];
    }
    for (bool reading = true; reading;) {
        reading = false;
        for (Instance& instance : instances) {
            Bytes buffer(static_cast<std::size_t>(instance.piece));
            const int got = clip->read(buffer.data(), instance.piece, instance.cursor);
            instance.got.insert(instance.got.end(), buffer.begin(), buffer.begin() + got);
            reading |= got > 0;
        }
    }
    for (std::size_t i = 0; i < instances.size(); ++i) {
        SCOPED_TRACE(starts[i]);
        EXPECT_TRUE(matchesStraight(instances[i].got, starts[i]));
    }
    // A read from far beyond the end delivers nothing, and the clip still plays from its start.
    AudioClipCursor past;
    past.position = size * 4;
    Bytes buffer(4096);
    EXPECT_EQ(clip->read(buffer.data(), 4096, past), 0);
    EXPECT_EQ(decodeAll(*clip, 4096), *straight);
}

TEST_F(Mp3Reader, LoadingIntoMemoryKeepsEveryByteAndTheFormat) {
    AudioReader reader(new io::FileInputStream((folder->path() / "tone.mp3").string()), io::FileType::MP3);
    const auto loaded = audio::loadClip(reader);
    EXPECT_EQ(loaded->dataLength(), static_cast<int>(straight->size()));
    EXPECT_EQ(loaded->channels(), 2);
    EXPECT_EQ(loaded->bitsPerSample(), 16);
    EXPECT_EQ(loaded->samplesPerSecond(), kRate);
    EXPECT_EQ(loaded->blockAlign(), 4);
    EXPECT_EQ(decodeAll(*loaded, 999), *straight);
}

TEST_F(Mp3Reader, ACompositeWithAnMp3PlaysThroughItAndHasNoKnownLength) {
    const Bytes intro = pattern(4 * 300);
    const lang::Ref<AudioClip> clip = new audio::CompositeAudioClip(
        {new AudioClip(intro.data(), static_cast<int>(intro.size()), {2, 16, kRate}), openClip()});
    EXPECT_EQ(clip->dataLength(), -1);
    Bytes whole = intro;
    whole.insert(whole.end(), straight->begin(), straight->end());
    EXPECT_EQ(decodeAll(*clip, 1000), whole);
}

TEST_F(Mp3Reader, BrokenFilesRaiseAndCutOnesPlayWhatTheyHave) {
    const std::string name = "broken.mp3";
    struct BrokenCase {
        const char* name;
        Bytes file;
    };
    const BrokenCase cases[] = {
        {"empty", {}},
        {"noise", pattern(10000, 3)},
        {"a_wav", toneWav(1, 8000, 0.1)},
        {"first_bytes_only", Bytes(mp3->begin(), mp3->begin() + 40)},
    };
    for (const BrokenCase& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            AudioReader reader(memoryStream(c.file, name), io::FileType::MP3);
            ADD_FAILURE() << "nothing raised";
        } catch (const io::IOException& e) {
            EXPECT_EQ(e.message(), "Failed to read MP3 header while reading " + name);
        }
    }

    const Bytes half(mp3->begin(), mp3->begin() + static_cast<std::ptrdiff_t>(mp3->size() / 2));
    AudioClip clip(memoryStream(half, name), io::FileType::MP3);
    const Bytes decoded = decodeAll(clip, 4096);
    EXPECT_GT(decoded.size(), straight->size() / 3);
    EXPECT_LT(decoded.size(), straight->size() * 2 / 3);
    EXPECT_TRUE(std::equal(decoded.begin(), decoded.end() - 1152 * 4, straight->begin()));
}

/// A stream over `bytes` whose reads past `failAt` answer -1, as a broken source might.
class FailingStream : public io::ByteArrayInputStream {
public:
    FailingStream(Bytes bytes, int failAt) : ByteArrayInputStream(std::move(bytes), "failing.mp3"), m_failAt(failAt) {}
    int read(void* buffer, int count) override {
        return position() >= m_failAt ? -1 : ByteArrayInputStream::read(buffer, std::min(count, m_failAt - position()));
    }

private:
    int m_failAt;
};

class LogRecorder : public lang::log::Listener {
public:
    void log(const lang::log::Record& record) override { records.push_back(record); }
    std::vector<lang::log::Record> records;
};

TEST_F(Mp3Reader, AStreamThatFailsMidwayEndsTheClipWithALogLine) {
    const int failAt = static_cast<int>(mp3->size() / 2);
    AudioClip clip(new FailingStream(*mp3, failAt), io::FileType::MP3);
    LogRecorder recorder;
    const Bytes decoded = decodeAll(clip, 4096);
    EXPECT_GT(decoded.size(), straight->size() / 3);
    EXPECT_LT(decoded.size(), straight->size() * 2 / 3);
    ASSERT_FALSE(recorder.records.empty());
    const lang::log::Record& record = recorder.records.front();
    EXPECT_EQ(record.level, lang::log::Error);
    EXPECT_EQ(record.category, "Audio");
    EXPECT_EQ(record.message, "AudioReader::readData_mp3() ANOMALOUS BUFFER READ, returned len: -1");
}

} // namespace
