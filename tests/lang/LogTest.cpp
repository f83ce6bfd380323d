#include "lang/Log.h"
#include "lang/Thread.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace log = lang::log;

namespace {

class Recorder : public log::Listener {
public:
    void log(const log::Record& record) override {
        std::lock_guard lock(m_mutex);
        records.push_back(record);
    }
    std::vector<log::Record> records;

private:
    std::mutex m_mutex;
};

TEST(LogLevels, NamesAndUnknown) {
    const char* expected[] = {"AUDIT", "ERROR", "WARNING", "INFO", "DEBUG", "VERBOSE"};
    for (int level = log::Audit; level <= log::Verbose; ++level)
        EXPECT_STREQ(log::levelName(level), expected[level]);
    EXPECT_STREQ(log::levelName(-1), "UNKNOWN");
    EXPECT_STREQ(log::levelName(6), "UNKNOWN");
}

TEST(Log, MacroFillsTheRecord) {
    Recorder recorder;
    const int line = __LINE__ + 1;
    LOG_WARNING("Audio", "clip %s has %d channels", "hit", 3);
    ASSERT_EQ(recorder.records.size(), 1u);
    const log::Record& record = recorder.records[0];
    EXPECT_EQ(record.message, "clip hit has 3 channels");
    EXPECT_EQ(record.category, "Audio");
    EXPECT_EQ(record.level, log::Warning);
    EXPECT_STREQ(record.file, __FILE__);
    EXPECT_STREQ(record.function, "TestBody");
    EXPECT_EQ(record.line, line);
    EXPECT_NEAR(static_cast<double>(record.time), std::time(nullptr) * 1000.0, 5000.0);
}

TEST(Log, NothingIsFormattedWithoutListener) {
    ASSERT_FALSE(log::enabled());
    int evaluated = 0;
    LOG_ERROR("System", "%d", ++evaluated);
    EXPECT_EQ(evaluated, 0);
    log::write("System", nullptr, "f", 1, log::Error, "dropped");

    Recorder recorder;
    EXPECT_TRUE(log::enabled());
    LOG_ERROR("System", "%d", ++evaluated);
    EXPECT_EQ(evaluated, 1);
    ASSERT_EQ(recorder.records.size(), 1u); // the dropped record did not linger
    EXPECT_EQ(recorder.records[0].message, "1");
}

TEST(Log, RegistryEndsWithLastListener) {
    {
        Recorder a;
        { Recorder b; }
        EXPECT_TRUE(log::enabled());
    }
    EXPECT_FALSE(log::enabled());
}

TEST(Log, MessagesGrowBeyondTheInitialBuffer) {
    Recorder recorder;
    for (std::size_t length : {511u, 512u, 513u, 1500u, 70000u}) {
        const std::string text(length, 'x');
        LOG_INFO("", "%s", text.c_str());
        EXPECT_EQ(recorder.records.back().message, text) << length;
    }
    LOG_INFO("", "short");
    EXPECT_EQ(recorder.records.back().message, "short");
}

TEST(Log, ListenersInAddressOrderAndRemovableWhileDispatching) {
    std::vector<log::Listener*> calls;
    struct Probe : log::Listener {
        std::vector<log::Listener*>* calls = nullptr;
        std::unique_ptr<log::Listener>* victim = nullptr;
        void log(const log::Record&) override {
            calls->push_back(this);
            if (victim)
                victim->reset();
        }
    };
    std::unique_ptr<log::Listener> first(new Probe), second(new Probe);
    auto* a = static_cast<Probe*>(first.get());
    auto* b = static_cast<Probe*>(second.get());
    a->calls = b->calls = &calls;
    if (a > b)
        std::swap(a, b);
    // The lower listener removes the higher one while the record is being handed out.
    a->victim = a == first.get() ? &second : &first;
    LOG_DEBUG("", "one");
    EXPECT_EQ(calls, std::vector<log::Listener*>{a});
    LOG_DEBUG("", "two");
    EXPECT_EQ(calls.size(), 2u);

    // The last listener removing itself ends the registry in the middle of the call.
    a->victim = a == first.get() ? &first : &second;
    LOG_DEBUG("", "three");
    EXPECT_FALSE(log::enabled());
}

class Writer {
public:
    void run(int id) {
        for (int i = 0; i < 200; ++i)
            LOG_INFO("Worker", "%d:%s", id, std::string(600 + i * 7, static_cast<char>('a' + id)).c_str());
    }
};

TEST(Log, ThreadsShareTheBufferSafely) {
    Recorder recorder;
    Writer writer;
    {
        std::vector<std::unique_ptr<lang::Thread>> threads;
        for (int id = 0; id < 3; ++id)
            threads.push_back(
                std::make_unique<lang::Thread>(lang::Func2<Writer, int>(&writer, &Writer::run, id), true));
    }
    ASSERT_EQ(recorder.records.size(), 600u);
    for (const log::Record& record : recorder.records) {
        const char letter = static_cast<char>('a' + (record.message[0] - '0'));
        EXPECT_EQ(record.message.find_first_not_of(letter, 2), std::string::npos);
    }
}

} // namespace
