#pragma once

#include "game/Resources.h"
#include "lua/LuaObject.h"

#include <string>

namespace gr {
class Context;
}
namespace lua {
class LuaState;
}

namespace game {

/// The scripts' resource loader: the global "res", whose methods load, release, query and draw
/// the sprites, composite sprites, fonts and texts of the registry it embeds, and play its sounds. Drawing methods and
/// sprite queries also take the "res" table as a first argument (a method call). Main thread only.
class LuaResources : public lua::LuaObject {
public:
    /// Registers the methods and publishes the object as the global "res" of `state`.
    LuaResources(lua::LuaState& state, gr::Context& context);
    ~LuaResources() override;

    /// The registry, for the engine's own callers (drawing, sprite lookup of game objects).
    Resources& resources() { return m_resources; }

private:
    void registerLoading();
    void registerQueries();
    void registerDrawing();
    void registerAudio();

    // Natives; each comment gives the script signature.
    void setPath(const std::string& path);
    int createSpriteSheet(lua::LuaState& lua);
    int createCompoSpriteSet(lua::LuaState& lua);
    int createBitmapFont(lua::LuaState& lua);
    int createSystemFont(lua::LuaState& lua);
    int createTextGroupSet(lua::LuaState& lua);
    void captureSprite(const std::string& name);
    int releaseSpriteSheet(lua::LuaState& lua);
    void releaseCompoSpriteSet(const std::string& file);
    void releaseFont(const std::string& name);
    void releaseTextGroupSet(const std::string& file);
    void loadLocale(const std::string& set, const std::string& language);
    void useLocale(const std::string& language);
    std::string getLocale();
    void useFont(const std::string& name);
    void openURL(const std::string& url);
    lua::LuaTable getAvailableSystemFonts();
    int drawSprite(lua::LuaState& lua);
    int drawString(lua::LuaState& lua);
    void setClipRect(float x, float y, float width, float height);
    int getClipRect(lua::LuaState& lua);
    std::string getString(const std::string& set, const std::string& key);
    int getSpriteBounds(lua::LuaState& lua);
    int getSpritePivot(lua::LuaState& lua);
    int getCompoSpriteBounds(lua::LuaState& lua);
    lua::LuaTable getCompoSpriteData(const std::string& name);
    int getStringWidth(const std::string& text);
    int getFontMaxAscending();
    int getFontMaxDescending();
    int getFontLeading();
    int getFontTracking();
    int getFontHeight();
    // Sound (LuaResourcesAudio.cpp).
    void createAudioOutput(int channels, int bitsPerSample, int samplesPerSecond);
    void createAudioInput(int channels, int bitsPerSample, int samplesPerSecond);
    int createAudio(lua::LuaState& lua);
    void createCompositeAudio(const std::string& name, const lua::LuaTable& members);
    void releaseAudio(const std::string& name);
    int playAudio(lua::LuaState& lua);
    void stopAudio(const std::string& name);
    void stopAllAudio();
    int isAudioPlaying(lua::LuaState& lua);
    void startAudioOutput();
    void stopAudioOutput();
    void startAudioInput();
    void stopAudioInput();
    void setMasterVolume(float volume);
    void setTrackVolume(float volume, int track);
    float getTrackVolume(int track);

    Resources m_resources;
};

} // namespace game
