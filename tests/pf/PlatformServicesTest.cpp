// The desktop's notifications, video playlist, languages, device and settings.
#include "FailureOf.h"
#include "pf/AppSettings.h"
#include "pf/DeviceInfo.h"
#include "pf/LocalNotifications.h"
#include "pf/Locale.h"
#include "pf/VideoPlayer.h"
#include "pf/VideoPlayerListener.h"

#include <gtest/gtest.h>

#include <sys/utsname.h>

#include <string>
#include <vector>

namespace {

std::vector<int> idsOf(const std::vector<pf::LocalNotification>& notifications) {
    std::vector<int> ids;
    for (const auto& notification : notifications)
        ids.push_back(notification.id);
    return ids;
}

TEST(LocalNotificationsTest, OneRecordPerIdUntilCancelledOrDue) {
    pf::LocalNotifications notifications;
    EXPECT_TRUE(notifications.schedule({7, 10, "first", "open"}));
    EXPECT_FALSE(notifications.schedule({7, 1, "second", "open"}));
    EXPECT_TRUE(notifications.schedule({8, 5, "b", ""}));
    EXPECT_TRUE(notifications.schedule({9, 5, "c", ""}));
    ASSERT_EQ(idsOf(notifications.scheduled()), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(notifications.scheduled()[0].text, "first");

    notifications.cancel(8);
    EXPECT_TRUE(notifications.advance(4.5f).empty());
    EXPECT_EQ(idsOf(notifications.advance(0.5f)), (std::vector<int>{9}));
    EXPECT_EQ(idsOf(notifications.scheduled()), (std::vector<int>{7}));
    // A delivered or cancelled id may be scheduled again, due from now.
    EXPECT_TRUE(notifications.schedule({9, 1, "again", ""}));
    EXPECT_EQ(idsOf(notifications.advance(5.0f)), (std::vector<int>{9, 7})) << "earliest first";
    notifications.schedule({1, 0, "", ""});
    notifications.cancelAll();
    EXPECT_TRUE(notifications.scheduled().empty());
}

/// A platform that records what it is asked to play and answers `starts`.
class RecordingPlayer : public pf::VideoPlayerImplBase, public pf::VideoPlayerListener {
public:
    RecordingPlayer() { addListener(this); }
    std::vector<std::string> log;
    bool starts = true;

private:
    bool platformPlay(const std::string& file, bool special) override {
        log.push_back("play " + file + (special ? " special" : ""));
        return starts;
    }
    void platformStop() override { log.push_back("stop"); }
    void platformPause() override {}
    void platformResume() override {}
    void videoStarted(pf::VideoPlayerImplBase&) override {}
    void videoPaused(pf::VideoPlayerImplBase&) override {}
    void videoResumed(pf::VideoPlayerImplBase&) override {}
    void videoEntryFinished(pf::VideoPlayerImplBase&) override { log.push_back("entry finished"); }
    void videoPlaybackFinished(pf::VideoPlayerImplBase&) override { log.push_back("finished"); }
};

TEST(VideoPlayerTest, PlaylistRunsOutOrLoopsBackToTheFirstEntry) {
    RecordingPlayer player;
    player.play("intro");
    player.add("outro", pf::VideoPlayerImplBase::kSpecialKind);
    player.onEntryFinished();
    player.onEntryFinished();
    EXPECT_EQ(player.log, (std::vector<std::string>{"play intro", "entry finished", "play outro special",
                                                    "entry finished", "stop", "finished"}));
    EXPECT_FALSE(player.startCurrent()) << "an index past the end starts nothing";

    player.log.clear();
    player.setLooping(true);
    EXPECT_TRUE(player.startCurrent());
    EXPECT_EQ(player.currentIndex(), 0u);
    // A platform that fails to start the next entry ends playback too.
    player.starts = false;
    player.onEntryFinished();
    EXPECT_EQ(player.log,
              (std::vector<std::string>{"play intro", "entry finished", "play outro special", "stop", "finished"}));

    pf::VideoPlayer desktop;
    desktop.play("intro");
    EXPECT_FALSE(desktop.startCurrent()) << "the desktop plays nothing";
}

TEST(LocaleTest, LanguagesAreNamedAndChosenByPreference) {
    EXPECT_EQ(pf::languageName("fi", "FI"), "fi_FI");
    EXPECT_EQ(pf::languageName("fi", nullptr), "fi");
    EXPECT_EQ(pf::languageName("fi", ""), "fi");

    struct Case {
        std::vector<std::string> preferred;
        std::vector<std::string> available;
        std::string chosen;
    };
    const std::vector<Case> cases = {
        {{"de_DE", "fi_FI", "en_EN"}, {"en_EN", "fi_FI"}, "fi_FI"},
        {{"de_AT", "fi_FI"}, {"de_DE", "fi_FI"}, "fi_FI"}, // an exact match beats a language match
        {{"fi", "de_AT"}, {"en_EN", "de_DE", "fi_FI"}, "fi_FI"},
        {{"sv_SE"}, {"en_EN", "fi_FI"}, "en_EN"},
        {{"fi_FI"}, {}, "en_EN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pf::chooseLanguage(c.preferred, c.available), c.chosen) << c.preferred.front();
    EXPECT_FALSE(pf::preferredLanguages().empty());
}

TEST(DeviceInfoTest, TheKernelNamesTheSystem) {
    utsname system{};
    ASSERT_EQ(uname(&system), 0);
    const pf::DeviceInfo info = pf::DeviceInfo::current();
    EXPECT_EQ(info.osName, "Linux");
    EXPECT_EQ(info.osVersion, system.release);
    EXPECT_EQ(info.model, "Unknown");
    EXPECT_EQ(info.manufacturer, "Unknown");

    pf::AppSettings settings;
    EXPECT_FALSE(settings.findBoolean("notifications"));
    EXPECT_EQ(testsupport::failureOf([&] { settings.getBoolean("notifications"); }),
              "AppSettings::getBoolean not supported");
}

} // namespace
