// The game's sound: the mixer's track limits, the output's watchdog and the rolling sounds of
// round objects.
#include "GameLua.h"

#include "audio/AudioOutput.h"
#include "framework/App.h"
#include "game/Resources.h"

#include <algorithm>

namespace {

/// The mixer track rolling sounds play on.
constexpr int kRollingTrack = 2;

struct TrackLimit {
    int track;
    unsigned limit;
};
constexpr TrackLimit kStartingLimits[] = {{1, 4}, {2, 6}, {3, 3}, {4, 3}, {5, 3}};

} // namespace

void GameLua::registerAudioNatives() { registerMethod("setChannelCountLimit", &GameLua::setChannelCountLimit); }

// setChannelCountLimit(track, limit)
void GameLua::setChannelCountLimit(int track, int limit) {
    if (audio::AudioOutput* output = m_resources.audioOutput())
        output->setChannelCountLimit(track, static_cast<unsigned>(limit));
}

void GameLua::applyStartingChannelLimits() {
    audio::AudioOutput* output = m_resources.audioOutput();
    if (!output)
        return;
    for (const TrackLimit& limit : kStartingLimits)
        output->setChannelCountLimit(limit.track, limit.limit);
}

void GameLua::runAudioWatchdog() {
    audio::AudioOutput* output = m_resources.audioOutput();
    if (!output || output->isRunning() || !m_app.isForeground() || !isTable("settings"))
        return;
    const lua::LuaTable settings = getTable("settings");
    if (settings.isBoolean("audioEnabled") && settings.getBoolean("audioEnabled"))
        output->start();
}

void GameLua::noteRollingLevel(const std::string& sound, float level) {
    if (sound.empty())
        return;
    float& loudest = m_rollingLevels[sound];
    loudest = std::max(loudest, level);
}

void GameLua::playRollingSounds() {
    // A game that made no output plays nothing; the levels must not raise every frame.
    if (m_resources.audioOutput()) {
        for (const auto& [sound, level] : m_rollingLevels) {
            if (level <= 0.0f)
                m_resources.stopAudio(sound);
            else if (m_resources.isAudioPlaying(sound))
                m_resources.setAudioVolume(sound, level);
            else
                m_resources.playAudio(sound, level, true, kRollingTrack);
        }
    }
    m_rollingLevels.clear();
}
