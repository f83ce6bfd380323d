#pragma once

#include "audio/AudioFormat.h"
#include "game/Anchor.h"
#include "game/CompoSpriteSet.h"
#include "game/IFont.h"
#include "game/SpriteProvider.h"
#include "game/SpriteSheet.h"
#include "game/TextGroupSet.h"
#include "lang/Object.h"
#include "lang/Ref.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace audio {
class AudioClip;
class AudioInput;
class AudioOutput;
} // namespace audio
namespace gr {
class Context;
}

namespace game {

/// What a name of the sprite index stands for.
enum class SpriteKind { Plain = 1, Composite = 2 };

/// One drawable of the sprite index: a plain sprite or a composite sprite, and the key of the
/// sheet or set that supplied it. The pointers are not counted: the sheet or set keeps the
/// drawable alive while the entry exists.
struct SpriteEntry {
    SpriteKind kind = SpriteKind::Plain;
    std::string owner;
    Sprite* sprite = nullptr;
    CompoSprite* composite = nullptr;
};

/// The clip rectangle scripts set for their drawing, pixels (x1, y1 exclusive).
struct ClipRect {
    int x0 = -10000;
    int y0 = -10000;
    int x1 = 10000;
    int y1 = 10000;
};

/// A box relative to a drawable's pivot, pixels.
struct PivotBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

/// The game's one registry of loaded graphics, fonts, texts and sounds. Sprite sheets, composite sprite
/// sets, bitmap fonts and text group sets are created from files (resolved against the base path
/// and kept under the file's base name); system fonts under a name the caller gives. Every
/// plain and composite sprite is found by its own name through one sprite index, where a later
/// sheet's sprite replaces an earlier one of the same name. A failed create leaves everything as
/// it was. Counted; main thread only.
class Resources : public lang::Object, public SpriteProvider {
public:
    /// Loads and draws through `context`, which must outlive the registry.
    explicit Resources(gr::Context& context);
    ~Resources() override;

    /// Resource file names are resolved against `path` from now on.
    void setPath(const std::string& path) { m_basePath = path; }

    /// Reads the sprite sheet `file` unless one of its base name is loaded and `reload` is false,
    /// and indexes its sprites (replacing the older sheet's).
    void createSpriteSheet(const std::string& file, bool reload = false, bool loadTexture = true);
    /// Reads the composite sprite set `file` (after the sheets whose sprites it uses) likewise.
    void createCompoSpriteSet(const std::string& file, bool reload = false);
    /// Reads the bitmap font `file` likewise; it is kept under the file's base name.
    void createBitmapFont(const std::string& file, bool reload = false);
    /// Makes a system font of `family` at `size` points in the colour (components 0 to 255) and
    /// style (0 normal, 1 bold, 2 italic), kept under `name`, unless one is there and `reload` is
    /// false.
    void createSystemFont(const std::string& name, const std::string& family, int size, int alpha, int red, int green,
                          int blue, int style, bool reload = false);
    /// Makes the text group set of `file` and reads its languages, likewise.
    void createTextGroupSet(const std::string& file, bool reload = false);
    /// Copies the current frame into a sheet called `name` holding one sprite `name` of the
    /// frame's size, or into that sheet's texture when it exists.
    void captureSprite(const std::string& name);

    /// Unindexes the sheet's sprites (also where another sheet supplied them last) and erases the
    /// sheet, or with `textureOnly` drops just its texture. Nothing for an unknown file.
    void releaseSpriteSheet(const std::string& file, bool textureOnly = false);
    /// Unindexes the set's composites and erases it.
    void releaseCompoSpriteSet(const std::string& file);
    /// Erases the font kept under `name` (a system font's name, or a bitmap font's file). The
    /// current font stays usable until another is chosen.
    void releaseFont(const std::string& name);
    /// Erases the text group set of `file`.
    void releaseTextGroupSet(const std::string& file);

    /// In the text group set `set`: releases every language, then loads `language` ("ALL": every
    /// language). Nothing for an unknown set.
    void loadLocale(const std::string& set, const std::string& language);
    /// The language strings are looked up in.
    void useLocale(const std::string& language) { m_language = language; }
    const std::string& locale() const { return m_language; }
    /// Makes the font kept under `name` current; nothing changes for an unknown name.
    void useFont(const std::string& name);
    /// The current font, or null.
    IFont* currentFont() const { return m_currentFont.get(); }
    /// The family names of the installed system fonts.
    const std::vector<std::string>& availableSystemFonts() const;

    /// Draws the sprite or composite sprite called `name` with the point chosen by `anchors` at
    /// (x, y); a plain sprite stretched to `size` when given. An unknown name draws nothing.
    void drawSprite(const std::string& name, float x, float y, Anchors anchors,
                    std::optional<std::pair<float, float>> size = std::nullopt);
    /// Draws the string of `key` in `set` with the current font. Raises "No font is set while
    /// trying to draw string" without one.
    void drawString(const std::string& set, const std::string& key, float x, float y, Anchors anchors);
    /// The string of `key` in the current language of `set`; the key itself for an unknown set.
    /// Raises the text group's messages when the language is not loaded or not in the file.
    std::string getString(const std::string& set, const std::string& key);

    void setClipRect(const ClipRect& rect) { m_clipRect = rect; }
    const ClipRect& clipRect() const { return m_clipRect; }

    /// The index entry of `name`, or null.
    const SpriteEntry* findEntry(const std::string& name) const;
    Sprite* findSprite(const std::string& name) const override;
    /// Width and height of the sprite or composite `name`; (0, 0) when unknown.
    std::pair<int, int> spriteBounds(const std::string& name) const;
    /// The pivot of the sprite or composite `name`; (0, 0) when unknown.
    std::pair<int, int> spritePivot(const std::string& name) const;
    /// The box of `name` relative to its pivot; all 0 when unknown.
    PivotBox compoSpriteBounds(const std::string& name) const;
    /// The parts of the composite `name`; empty for a plain sprite or an unknown name.
    const std::vector<CompoSprite::Part>& compoSpriteData(const std::string& name) const;

    /// Metrics of the current font; each raises its "No font is set while trying to get ..."
    /// message without one.
    int stringWidth(const std::string& text) const;
    int fontMaxAscending() const;
    int fontMaxDescending() const;
    int fontLeading() const;
    int fontTracking() const;
    int fontHeight() const;

    /// Replaces the audio output by one of `format` (the old one is dropped first); a machine
    /// whose sound device cannot be opened gets one that plays into nothing. After `mute`, the
    /// output never starts (see `audio::MutedAudioSink`).
    void createAudioOutput(const audio::AudioFormat& format);
    /// Outputs created from now on are muted: what the scripts learn of sound no longer depends
    /// on the device's timing, as record and replay runs need.
    void mute() { m_muted = true; }
    /// Replaces the audio input likewise.
    void createAudioInput(const audio::AudioFormat& format);
    /// Makes the clip `name` of the WAV or MP3 `file`, decoded while it plays (`streamed`) or now
    /// into memory; a clip of that name is stopped and replaced. Raises "Trying to create audio
    /// but no audio output has been created" without an output, and the readers' messages.
    void createAudio(const std::string& file, const std::string& name, bool streamed = true);
    /// Makes the clip `name` that plays the known clips of `members` one after another
    /// (unknown names are skipped).
    void createCompositeAudio(const std::string& name, const std::vector<std::string>& members);
    /// Stops the clip's instances (when there is an output) and erases it.
    void releaseAudio(const std::string& name);
    /// Plays the clip `name` on `track` (0 to 7) at `volume` (0 to 1), repeating while `loop`;
    /// the play's handle, or -1 for an unknown clip or a refused play. Raises "Trying to play
    /// audio clip but no audio output has been created" without an output.
    int playAudio(const std::string& name, float volume = 1.0f, bool loop = false, int track = 0);
    /// Stops every instance of the clip `name`; raises without an output.
    void stopAudio(const std::string& name);
    /// Stops every instance of every clip; raises without an output.
    void stopAllAudio();
    /// Whether the play `handle` (or any instance of the clip `name`) still plays; false without
    /// an output or such a clip.
    bool isAudioPlaying(int handle) const;
    bool isAudioPlaying(const std::string& name) const;
    /// Sets the volume of every present instance of the clip `name`; nothing without an output
    /// or such a clip.
    void setAudioVolume(const std::string& name, float volume);
    /// Starts the output device; raises without an output.
    void startAudioOutput();
    /// Stops the output device; nothing without one.
    void stopAudioOutput();
    /// Starts the input device; raises without an input.
    void startAudioInput();
    /// Stops the input device; nothing without one.
    void stopAudioInput();
    /// The output's master volume (0 silent, 1 full); nothing without an output.
    void setMasterVolume(float volume);
    /// One mixer track's volume, clamped to [0, 1]; both raise without an output.
    void setTrackVolume(float volume, int track);
    float getTrackVolume(int track) const;
    /// The audio output, or null.
    audio::AudioOutput* audioOutput() const { return m_audioOutput.get(); }
    /// The audio input, or null.
    audio::AudioInput* audioInput() const { return m_audioInput.get(); }
    /// The clips by name.
    const std::map<std::string, lang::Ref<audio::AudioClip>>& audioClips() const { return m_audioClips; }

    /// Queues a sprite sheet (or composite set) load unless a request for `file` is queued.
    void queueSpriteSheet(const std::string& file);
    void queueCompoSpriteSet(const std::string& file);
    /// Takes the queued load of `file` (the name it was queued under) off the queue, so that a
    /// file released before its turn is not loaded after all; nothing when none is queued.
    void dropQueued(const std::string& file);
    /// Number of queued loads.
    std::size_t queuedLoads() const { return m_loadQueue.size(); }
    /// Creates the first queued resource (reload false) after taking it off the queue.
    void loadNextQueued();
    /// Works off the queue until it is empty.
    void loadAllQueued();

    /// The loaded sheets, sets, fonts and text group sets by key.
    const std::map<std::string, lang::Ref<SpriteSheet>>& spriteSheets() const { return m_spriteSheets; }
    const std::map<std::string, lang::Ref<CompoSpriteSet>>& compoSpriteSets() const { return m_compoSpriteSets; }
    const std::map<std::string, lang::Ref<IFont>>& fonts() const { return m_fonts; }
    const std::map<std::string, lang::Ref<TextGroupSet>>& textGroupSets() const { return m_textGroupSets; }

private:
    /// A queued load: the file and which create it goes to.
    struct LoadRequest {
        enum class Kind { SpriteSheet = 0, CompoSpriteSet = 1 };
        std::string file;
        Kind kind;
    };

    /// The file resolved against the base path.
    std::string resolve(const std::string& file) const;
    /// The audio output, or raises "Trying to {0} but no audio output has been created".
    audio::AudioOutput& outputFor(const char* purpose) const;
    /// The clip called `name`, or null.
    audio::AudioClip* findClip(const std::string& name) const;
    /// The current font, or raises "No font is set while trying to {0}".
    IFont& fontFor(const char* purpose) const;
    /// Keeps `resource` under `key` in `map`, moving the index from the older resource kept there
    /// (if any) to the new one.
    template <class Resource>
    void store(std::map<std::string, lang::Ref<Resource>>& map, const std::string& key, lang::Ref<Resource> resource);
    void index(const std::string& key, const SpriteSheet& sheet);
    void index(const std::string& key, const CompoSpriteSet& set);
    /// Removes the names of `sheet`'s sprites (or `set`'s composites) from the index, whoever
    /// supplied them last.
    void unindex(const SpriteSheet& sheet);
    void unindex(const CompoSpriteSet& set);
    void queue(const std::string& file, LoadRequest::Kind kind);

    gr::Context& m_context;
    ClipRect m_clipRect;
    lang::Ref<audio::AudioOutput> m_audioOutput;
    bool m_muted = false;
    lang::Ref<audio::AudioInput> m_audioInput;
    /// Counted, so that releasing the font in use cannot leave it dangling.
    lang::Ref<IFont> m_currentFont;
    std::string m_currentFontName;
    std::string m_basePath;
    std::string m_language = "en_EN";
    std::map<std::string, lang::Ref<TextGroupSet>> m_textGroupSets;
    std::map<std::string, lang::Ref<SpriteSheet>> m_spriteSheets;
    std::map<std::string, lang::Ref<CompoSpriteSet>> m_compoSpriteSets;
    std::map<std::string, lang::Ref<IFont>> m_fonts;
    std::map<std::string, lang::Ref<audio::AudioClip>> m_audioClips;
    std::map<std::string, SpriteEntry> m_spriteIndex;
    std::vector<LoadRequest> m_loadQueue;
};

} // namespace game
