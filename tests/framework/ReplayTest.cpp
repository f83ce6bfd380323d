#include "framework/Replay.h"
#include "NullOS.h"
#include "WorkingFolder.h"
#include "framework/KeyCodes.h"
#include "framework/ReplayRecorder.h"
#include "lang/Exception.h"
#include "pf/TextInput.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using framework::ReplayEvent;
using framework::ReplayFrame;
using Kind = ReplayEvent::Kind;

class InputApp : public framework::App {
public:
    using App::App;
    void update(float, gr::Context&, int) override {}
    void mouseMoved(int x, int y) override { mouse = {0, x, y}; }
    void mouseWheel(int steps) override { wheel += steps; }
    framework::TouchPoint mouse;
    int wheel = 0;
};

std::string contentOf(const std::string& file) {
    std::ifstream input(file, std::ios::binary);
    std::stringstream text;
    text << input.rdbuf();
    return text.str();
}

void writeText(const std::string& file, const std::string& text) { std::ofstream(file, std::ios::binary) << text; }

// Every kind of event, texts that would break a naive line format, and the dt values a run has.
const std::vector<ReplayFrame> kFrames = {
    {0.0166667f, {}},
    {0.0f,
     {ReplayEvent::number(Kind::Active, 0), ReplayEvent::number(Kind::Active, 1),
      ReplayEvent::number(Kind::KeyDown, framework::kKeyLButton),
      ReplayEvent::at(Kind::TouchBegan, {4294967295u, -3, 700}),
      ReplayEvent::at(Kind::TouchMoved, {7, 2147483647, -2147483647 - 1}),
      ReplayEvent::at(Kind::MouseMove, {0, -5, 12}), ReplayEvent::at(Kind::TouchEnded, {7, 1, 2}),
      ReplayEvent::number(Kind::Wheel, -3), ReplayEvent::number(Kind::KeyUp, framework::kKeyLButton)}},
    {0.1f,
     {ReplayEvent::typed("50% off: a b\tc"), ReplayEvent::number(Kind::KeyDown, framework::kKeyShift),
      ReplayEvent::typed("Hyvää päivää ☃ 🎈\b\r\x1b%%")}},
    {1e-7f, {ReplayEvent::typed("")}},
};

TEST(ReplayTest, FramesSurviveTheFileWithTheirExactDtAndText) {
    testsupport::WorkingFolder folder;
    framework::writeReplay("run.replay", kFrames);
    EXPECT_EQ(framework::readReplay("run.replay"), kFrames);
    // The lines stay readable: tags, plain numbers, escapes only where a byte would split them.
    std::istringstream lines(contentOf("run.replay"));
    std::string line;
    std::vector<std::string> read;
    while (std::getline(lines, line))
        read.push_back(line);
    ASSERT_EQ(read.size(), 5u);
    EXPECT_EQ(read[0], "tumble-replay 1");
    EXPECT_EQ(read[1], "0.0166667");
    EXPECT_EQ(read[2],
              "0 ac:0 ac:1 kd:57 tb:4294967295,-3,700 tm:7,2147483647,-2147483648 mm:-5,12 te:7,1,2 mw:-3 ku:57");
    EXPECT_EQ(read[3], "0.1 tx:50%25%20off:%20a%20b%09c kd:34 tx:Hyvää%20päivää%20☃%20🎈%08%0D%1B%25%25");
}

TEST(ReplayTest, BadFilesNameTheFileLineAndProblem) {
    testsupport::WorkingFolder folder;
    const struct {
        std::string content;
        std::string message;
    } cases[] = {
        {"", "bad.replay:1: not a replay file: the first line must be \"tumble-replay 1\""},
        {"tumble-replay 2\n0.01\n",
         "bad.replay:1: replay version 2 is not supported; this engine reads \"tumble-replay 1\""},
        {"tumble-replay 1\n0.01\n\n", "bad.replay:3: the frame's dt \"\" is no number of seconds"},
        {"tumble-replay 1\r\n0.01\r\n-0.01\r\n", "bad.replay:3: the frame's dt \"-0.01\" is no number of seconds"},
        {"tumble-replay 1\nnan\n", "bad.replay:2: the frame's dt \"nan\" is no number of seconds"},
        {"tumble-replay 1\n0.01 kd:1  ku:1\n", "bad.replay:2: unknown event \"\""},
        {"tumble-replay 1\n0.01 zz:1\n", "bad.replay:2: unknown event \"zz:1\""},
        {"tumble-replay 1\n0.01 kd\n", "bad.replay:2: unknown event \"kd\""},
        {"tumble-replay 1\n0.01 mm:4\n", "bad.replay:2: \"mm:4\" needs 2 numbers"},
        {"tumble-replay 1\n0.01 kd:x\n", "bad.replay:2: bad number in \"kd:x\""},
        {"tumble-replay 1\n0.01 mw:99999999999\n", "bad.replay:2: number out of range in \"mw:99999999999\""},
        {"tumble-replay 1\n0.01 tb:-1,0,0\n", "bad.replay:2: touch id out of range in \"tb:-1,0,0\""},
        {"tumble-replay 1\n0.01 tx:a%2\n", "bad.replay:2: bad escape in text \"a%2\""},
    };
    for (const auto& c : cases) {
        writeText("bad.replay", c.content);
        try {
            framework::readReplay("bad.replay");
            ADD_FAILURE() << "accepted: " << c.content;
        } catch (const lang::Exception& e) {
            EXPECT_EQ(e.message(), c.message) << c.content;
        }
    }
    EXPECT_THROW(framework::readReplay("missing.replay"), lang::Exception);
    EXPECT_THROW(framework::ReplayRecorder("no/such/folder/run.replay"), lang::Exception);
}

// What the recorder hears of a replayed frame is the frame itself, and the application gets
// the frame's input as the host's rules give it.
TEST(ReplayTest, ARecordingOfAppliedFramesIsTheSameReplay) {
    testsupport::WorkingFolder folder;
    NullOS os;
    InputApp app(os);
    pf::TextInput field;
    field.start("", nullptr);
    {
        framework::ReplayRecorder recorder("again.replay");
        for (const ReplayFrame& frame : kFrames) {
            recorder.frame(frame.dt);
            framework::applyReplayFrame(app, frame);
        }
        recorder.frame(0.5f);
    }
    std::vector<ReplayFrame> recorded = framework::readReplay("again.replay");
    // Events are written with the frame that comes after them: the one they were given before.
    ASSERT_EQ(recorded.size(), kFrames.size() + 1);
    EXPECT_TRUE(recorded[0].events.empty());
    for (size_t i = 0; i < kFrames.size(); ++i) {
        std::vector<ReplayEvent> expected = kFrames[i].events;
        // An empty text types nothing, so nothing is heard of it.
        std::erase_if(expected, [](const ReplayEvent& e) { return e.kind == Kind::Text && e.text.empty(); });
        EXPECT_EQ(recorded[i + 1].events, expected) << i;
    }
    EXPECT_EQ(recorded.back().dt, 0.5f);

    EXPECT_EQ(app.mouse, (framework::TouchPoint{0, -5, 12}));
    EXPECT_EQ(app.wheel, -3);
    EXPECT_EQ(app.touches(), (std::vector<framework::TouchPoint>{{4294967295u, -3, 700}}));
    EXPECT_FALSE(app.isKeyDown(framework::kKeyLButton));
    EXPECT_TRUE(app.isKeyDown(framework::kKeyShift));
    // The tab is no text; the backspace took the balloon; the return ended the entry, so the
    // escape and what follows it reached no input.
    EXPECT_EQ(field.text(), "50% off: a bcHyvää päivää ☃ ");
    EXPECT_FALSE(field.isActive());
}

} // namespace
