#include "game/LabelPool.h"
#include "RecordingContext.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr std::size_t kMiB = 0x100000;

// A label of `mebibytes` MiB of texture (512 × 512 pixels per MiB).
lang::Ref<game::LabelPool::Label> label(int mebibytes) {
    return new game::LabelPool::Label(new RecordingImage(512, 512 * mebibytes, "label"));
}

game::LabelPool::Key key(const std::string& text) { return {"Family", 12, {1, 1, 1, 1}, text, 0}; }

} // namespace

TEST(LabelPool, EvictsLeastRecentlyUsedUntilTheNewLabelFits) {
    struct Step {
        const char* touch; // found before storing, or null
        const char* text;
        int mebibytes;
        bool stored;
        const char* present; // texts in the pool afterwards
    };
    const Step steps[] = {
        {nullptr, "a", 2, true, "a"}, {nullptr, "b", 2, true, "ab"},  {nullptr, "c", 1, true, "abc"},
        {"a", "d", 1, true, "acd"},   {nullptr, "e", 2, true, "ade"}, {nullptr, "f", 6, false, "ade"},
        {"a", "a", 3, true, "ae"}, // the label replaced gives its bytes back before anything goes
        {nullptr, "g", 5, true, "g"},
    };
    game::LabelPool pool(5 * kMiB);
    std::map<char, lang::Ref<game::LabelPool::Label>> made;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        if (step.touch) {
            EXPECT_NE(pool.find(key(step.touch)), nullptr);
        }
        made[step.text[0]] = label(step.mebibytes);
        EXPECT_EQ(pool.store(key(step.text), made[step.text[0]]), step.stored);
        // Looking labels up would reorder them: a label the pool holds has a second reference.
        std::string present;
        std::size_t bytes = 0;
        for (const auto& [text, held] : made) {
            if (held->references() > 1) {
                present += text;
                bytes += held->byteSize();
            }
        }
        EXPECT_EQ(present, step.present);
        EXPECT_EQ(pool.bytes(), bytes);
    }
}
