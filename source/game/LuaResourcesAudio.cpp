// The "res" methods for sound: the output and input devices, clips, plays and volumes.
#include "game/LuaArguments.h"
#include "game/LuaResources.h"

#include "lua/LuaTable.h"

#include <vector>

namespace game {

void LuaResources::registerAudio() {
    registerMethod("createAudioOutput", &LuaResources::createAudioOutput);
    registerMethod("createAudioInput", &LuaResources::createAudioInput);
    registerMethod("createAudio", &LuaResources::createAudio);
    registerMethod("createCompositeAudio", &LuaResources::createCompositeAudio);
    registerMethod("releaseAudio", &LuaResources::releaseAudio);
    registerMethod("playAudio", &LuaResources::playAudio);
    registerMethod("stopAudio", &LuaResources::stopAudio);
    registerMethod("stopAllAudio", &LuaResources::stopAllAudio);
    registerMethod("isAudioPlaying", &LuaResources::isAudioPlaying);
    registerMethod("startAudioOutput", &LuaResources::startAudioOutput);
    registerMethod("stopAudioOutput", &LuaResources::stopAudioOutput);
    registerMethod("startAudioInput", &LuaResources::startAudioInput);
    registerMethod("stopAudioInput", &LuaResources::stopAudioInput);
    registerMethod("setMasterVolume", &LuaResources::setMasterVolume);
    registerMethod("setTrackVolume", &LuaResources::setTrackVolume);
    registerMethod("getTrackVolume", &LuaResources::getTrackVolume);
}

// createAudioOutput(channels, bitsPerSample, samplesPerSecond)
void LuaResources::createAudioOutput(int channels, int bitsPerSample, int samplesPerSecond) {
    m_resources.createAudioOutput({channels, bitsPerSample, samplesPerSecond});
}

// createAudioInput(channels, bitsPerSample, samplesPerSecond)
void LuaResources::createAudioInput(int channels, int bitsPerSample, int samplesPerSecond) {
    m_resources.createAudioInput({channels, bitsPerSample, samplesPerSecond});
}

// createAudio(file, name [, streamed = true])
int LuaResources::createAudio(lua::LuaState& lua) {
    m_resources.createAudio(lua.toString(1), lua.toString(2), optionalFlag(lua, 3, true));
    return 0;
}

// createCompositeAudio(name, {clip names}): the names at 1, 2, ... up to the first gap
void LuaResources::createCompositeAudio(const std::string& name, const lua::LuaTable& members) {
    std::vector<std::string> names;
    for (int index = 1; !members.isNil(index); ++index)
        names.push_back(members.getString(index));
    m_resources.createCompositeAudio(name, names);
}

// releaseAudio(name)
void LuaResources::releaseAudio(const std::string& name) { m_resources.releaseAudio(name); }

// playAudio(name [, volume = 1 [, loop = 0 [, track = 0]]]): the play's handle, or -1
int LuaResources::playAudio(lua::LuaState& lua) {
    const int handle = m_resources.playAudio(lua.toString(1), optionalNumber(lua, 2, 1.0f),
                                             optionalInteger(lua, 3, 0) != 0, optionalInteger(lua, 4, 0));
    lua.pushNumber(static_cast<float>(handle));
    return 1;
}

// stopAudio(name)
void LuaResources::stopAudio(const std::string& name) { m_resources.stopAudio(name); }

// stopAllAudio()
void LuaResources::stopAllAudio() { m_resources.stopAllAudio(); }

// isAudioPlaying(handle or clip name)
int LuaResources::isAudioPlaying(lua::LuaState& lua) {
    const bool playing = lua.getType(1) == lua::LuaType::Number
                             ? m_resources.isAudioPlaying(lua.toInteger(1))
                             : m_resources.isAudioPlaying(std::string(lua.toString(1)));
    lua.pushBoolean(playing);
    return 1;
}

// startAudioOutput()
void LuaResources::startAudioOutput() { m_resources.startAudioOutput(); }

// stopAudioOutput()
void LuaResources::stopAudioOutput() { m_resources.stopAudioOutput(); }

// startAudioInput()
void LuaResources::startAudioInput() { m_resources.startAudioInput(); }

// stopAudioInput()
void LuaResources::stopAudioInput() { m_resources.stopAudioInput(); }

// setMasterVolume(volume)
void LuaResources::setMasterVolume(float volume) { m_resources.setMasterVolume(volume); }

// setTrackVolume(volume, track)
void LuaResources::setTrackVolume(float volume, int track) { m_resources.setTrackVolume(volume, track); }

// getTrackVolume(track)
float LuaResources::getTrackVolume(int track) { return m_resources.getTrackVolume(track); }

} // namespace game
