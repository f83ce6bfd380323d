#pragma once

#include "CollisionMatrix.h"
#include "DebugConsole.h"
#include "GameConfiguration.h"
#include "GameObject.h"
#include "GameTimer.h"
#include "Impact.h"
#include "JointRecord.h"
#include "LevelAvailability.h"
#include "Particles.h"

#include "MaskedImage.h"
#include "ObjectTeleporter.h"
#include "OnlineChecks.h"
#include "ScriptRandom.h"
#include "TeleportHost.h"
#include "ThemeLayer.h"
#include "Trajectories.h"
#include "ads/BannerListener.h"
#include "ads/ExpandableListener.h"
#include "ads/InterstitialListener.h"
#include "lua/LuaObject.h"
#include "lua/LuaTable.h"
#include "pf/Accelerometer.h"
#include "pf/AppSettings.h"
#include "pf/DeviceInfo.h"
#include "pf/LocalNotifications.h"
#include "pf/VideoPlayer.h"
#include "physics/ContactHandler.h"
#include "physics/PhysicsWorld.h"
#include "util/AES.h"
#include "util/DataKeys.h"

#include <cstdint>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

class CameraZoom;

namespace framework {
class App;
}
namespace game {
class Resources;
}
namespace gr {
class Context;
}
namespace io {
class PathName;
}
namespace lua {
class LuaState;
}

/// The game world and the script bridge. Its table is the environment the game scripts run in:
/// it holds the natives (members of this class bound under fixed names), the engine's globals
/// and whatever the scripts define; what it lacks is looked up in the interpreter's globals.
/// In the other direction the game calls the scripts' callbacks ("update", "gamePaused", ...)
/// by name, unprotected by design: a script error leaves as `lua::LuaException`.
///
/// The class is split into one file per family of natives (GameLuaTimer.cpp, GameLuaFiles.cpp,
/// ...), each registering its own. It is also the listener an advertising service reports to.
/// Main thread only.
class GameLua : public lua::LuaObject,
                public ads::BannerListener,
                public ads::ExpandableListener,
                public ads::InterstitialListener,
                private ContactHandler,
                private TeleportHost {
public:
    /// Fixed physics step, seconds (the float the frame update compares against).
    static constexpr float kStep = 0.0333333f;
    /// Scene pixels per world unit: where objects, trails and aiming dots are drawn.
    static constexpr float kPixelsPerUnit = 20.0f;
    /// The world's gravity until the scripts set it (world units per second squared, y down).
    static constexpr Vector2 kDefaultGravity{0.0f, 20.0f};

    /// Registers the natives and globals and reads the saved tables "highscores", "settings"
    /// and "bi_data" from the application-data folder. `app`, `zoom`, `state`, `context` and
    /// `resources` (where game objects find their sprites) must outlive the game.
    GameLua(framework::App& app, CameraZoom& zoom, lua::LuaState& state, gr::Context& context,
            game::Resources& resources, const PathsAndFlags& paths);
    /// Calls the script callback "calculatePlaytime", then saves "settings" and "bi_data".
    /// Failures there are logged: nothing may leave a destructor.
    ~GameLua() override;

    // Start-up, in the order the application runs it.

    /// Runs the enciphered game-logic archive at `path` (already resolved) in the scripts'
    /// globals, calls "updateValues" and marks the game logic as loaded. Errors propagate.
    void loadGameLogic(const io::PathName& path);
    /// Loads "blocks.lua" from the script folder into "blockTable" and calls the callback
    /// "createStartUpAssets".
    void finishStartUp();

    // Per frame and per event.

    /// The frame update: input and screen state, the fixed physics steps, the object mirror,
    /// then the script callback "update" with (dt, dt). `dt` is in seconds.
    void update(float dt);
    /// The window became active or inactive: calls "gameResumed" or "gamePaused" once the game
    /// logic is loaded.
    void setActive(bool active);
    /// Calls the script function `name` of the game's table with number and text arguments: a
    /// script error raises `lua::LuaException`, and so does a missing function, naming it.
    void callScript(const char* name, std::initializer_list<lua::CallArgument> arguments = {});

    // What the application reads and writes.

    /// False while the scripts have switched the frame update and drawing off ("setUpdating").
    bool isUpdating() const { return m_updating; }
    /// The frame's clear colour, 0xAARRGGBB (opaque white until "setBGColor").
    std::uint32_t backgroundColour() const { return m_backgroundColour; }
    /// The file a screen capture was requested to ("captureScreen"), taking the request.
    std::optional<std::string> takeScreenCapture();
    /// The global "g_safeToQuit" as read in the last frame.
    bool isSafeToQuit() const { return m_safeToQuit; }
    /// The script tables "keyPressed", "keyReleased", "keyHold" and "cursor".
    lua::LuaTable& keyPressedTable() { return m_keyPressed; }
    lua::LuaTable& keyReleasedTable() { return m_keyReleased; }
    lua::LuaTable& keyHoldTable() { return m_keyHold; }
    lua::LuaTable& cursorTable() { return m_cursor; }

    // The game world.

    /// The objects by name, in name order.
    const std::map<std::string, std::unique_ptr<GameObject>>& objects() const { return m_objects; }
    /// The names of the objects on each drawing layer (zOrder truncated), layers in order.
    const std::map<int, std::vector<std::string>>& layers() const { return m_layers; }
    /// The Box2D joints and the links (no physical joint) the scripts made, in creation order.
    const std::vector<JointRecord>& joints() const { return m_joints; }
    const std::vector<JointRecord>& links() const { return m_links; }
    /// The physics world the objects live in, for the whole life of the game.
    PhysicsWorld& world() { return *m_world; }
    /// True while a level loads: contact handling ignores contacts then.
    bool isLoading() const { return m_loading; }
    /// The recorded flight paths.
    const Trajectories& trajectories() const { return m_trajectories; }
    /// Seconds not yet simulated (less than one step after a frame).
    float stepAccumulator() const { return m_accumulator; }
    /// Seconds since the level started.
    float levelClock() const { return m_levelClock; }

    /// What the drawing natives read: scales, the camera's top-left corner and the level limits.
    struct View {
        float simulationScale = 1.0f;
        float topLeftX = 0.0f;
        float topLeftY = 0.0f;
        float worldScale = 1.0f;
        /// Objects left of the left limit or right of the right limit (world units) freeze;
        /// no limits until the scripts set them.
        int leftLimit = -2147483647 - 1;
        int rightLimit = 2147483647;
    };
    const View& view() const { return m_view; }
    /// Editing mode ("setEditing"): contacts and portals are ignored while it is on.
    bool isEditing() const { return m_editing; }

    // Natives also used by the application.

    /// "resetTimer"(): the game timer counts from now.
    void resetTimer();
    /// "loadLuaFile"(path, name): runs the enciphered script at `path` (relative to the data
    /// folder) in the scripts' globals when `name` is empty, else in a new table that becomes
    /// the global `name`. Failures are logged, not raised.
    void loadLuaFile(const std::string& path, const std::string& name);

private:
    enum class PositionSource { Body, OlderSnapshot, Drawn };

    // Registration, one family per file.
    void registerTimerNatives();
    void registerLoggingNatives();
    void registerViewNatives();
    void registerDrawingNatives();
    void registerFileNatives();
    void registerDateNatives();
    void registerTrajectoryNatives();
    void registerPlatformNatives();
    void registerJSONNatives();
    void registerAudioNatives();
    void registerObjectNatives();
    void registerCollisionNatives();
    void registerBodyNatives();
    void registerObjectSettingNatives();
    void registerQueryNatives();
    void registerJointNatives();
    /// Puts `random` and `randomseed` into the scripts' "math" table (GameLuaRandom.cpp).
    void registerRandomNatives();
    /// Makes the scripts' environment fall back to the interpreter's globals.
    void inheritGlobals();

    // The scripts' random numbers (GameLuaRandom.cpp).
    int random(lua::LuaState& lua);
    void randomseed(int seed);

    // Timer and exit (GameLuaTimer.cpp).
    float getGameTimer();
    /// What the game timer counts in: the clock's milliseconds, or in record and replay runs the
    /// frames' time (the sum of their dt).
    std::int64_t timerMillis() const;
    void requestExit();

    // Logging (GameLuaLogging.cpp).
    void print(const std::string& text);
    void printWarning(const std::string& text);
    void printError(const std::string& text);
    void printGlobals();

    // Frame and view state (GameLuaView.cpp).
    void setBGColor(float red, float green, float blue);
    void setUpdating(bool updating);
    void setEditing(bool editing);
    void setPhysicsEnabled(bool enabled);
    bool isPhysicsEnabled();
    void setPhysicsSimulationScale(float scale);
    void setTopLeft(float x, float y);
    void setWorldScale(float scale);
    void setLevelLimits(int left, float, int right, float);
    void setMaxTranslation(float translation);
    void setAlpha(float alpha);
    void setGameOn(bool on);

    // Drawing (GameLuaDrawing.cpp).
    void drawRect(float red, float green, float blue, float alpha, float x1, float y1, float x2, float y2,
                  bool keepState);

    // Script files and saved state (GameLuaFiles.cpp).
    int loadLuaFileToObject(lua::LuaState& state);
    void saveLuaFile(const std::string& file, const std::string& name, bool enciphered);
    bool checkForLuaFile(const std::string& path);
    void createDirectory(const std::string& path);
    bool checkDirectory(const std::string& path);
    lua::LuaTable getDirectoryFileList(const std::string& search);
    /// The saved table `file` of the application-data folder, or an empty table (see the file).
    lua::LuaTable readSavedTable(const std::string& file);
    void saveTablesAtExit();

    // Dates and times (GameLuaDates.cpp).
    lua::LuaTable getCurrentTime();
    int getTimeDifference(lua::LuaState& state);
    int getTimeDifferenceInSeconds(lua::LuaState& state);

    // Trajectories (GameLuaTrajectories.cpp).
    void startNewTrajectory();
    void addToTrajectory(int slot, float x, float y);
    void addPuffToTrajectory(int slot, float x, float y);
    int getTrajectory(lua::LuaState& state);
    /// Appends the flying birds' positions to their point buffers when they moved far enough.
    void recordTrajectories(PositionSource source);

    // Platform (GameLuaPlatform.cpp).
    /// The game-centre and motion natives of other platforms, which do nothing here.
    void doNothing();
    bool isMotionEnabled();
    int getFullScreenWidth();
    int getFullScreenHeight();
    std::string getClipboardText();
    std::string getDeviceIDHash();
    void captureScreen(const std::string& file);
    void captureMouse(bool capture);
    bool isMouseCaptured();
    void setFullScreenMode(bool fullScreen);
    bool isInFullScreenMode();
    void setResolution(int width, int height);
    bool setMousePosition(int x, int y);

    // JSON (GameLuaJSON.cpp).
    std::string exportLuaTableAsJSON(const std::string& name);
    void importJSONToLuaTable(const std::string& text, const std::string& name);

    // Game objects (GameLuaObjects.cpp).
    void createBox(const std::string& name, const std::string& sprite, float x, float y, float width, float height,
                   float density, float friction, float restitution, bool solid, bool ignored, float zOrder);
    void createCircle(const std::string& name, const std::string& sprite, float x, float y, float radius, float density,
                      float friction, float restitution, bool projectile, float zOrder);
    void createPolygon(const std::string& name, const std::string& sprite, float x, float y, lua::LuaTable vertices,
                       float density, float friction, float restitution, bool solid, bool ignored, float zOrder);
    void resizeCircle(const std::string& name, float radius);
    void removeObject(const std::string& name);
    /// Makes the object `object` describes: its body, script table, layer entry. A name in use
    /// is refused (the old object would be left without its name).
    GameObject& createObject(std::unique_ptr<GameObject> object, Vector2 position, FixtureShape shape,
                             const char* native);
    /// The object of that name; raises a script error naming `native` when there is none.
    GameObject& objectNamed(const std::string& name, const char* native);
    /// The object of that name, or null.
    GameObject* findObject(const std::string& name);
    /// Destroys every object, joint and link and empties the name, layer and projectile lists
    /// (a level is torn down).
    void destroyLevelObjects();

    /// Finds the object's sprite or composite sprite by its sprite name; one that cannot be found
    /// is logged (the object is drawn without one).
    void resolveSprite(GameObject& object);
    /// Destroys the object's body and frees the object, or keeps it until the step ends.
    void retire(std::unique_ptr<GameObject> object);
    /// Frees the objects removed during the step, which contact handling may still have held.
    void stepEnded() override;

    // Body motion and material, world settings (GameLuaBodies.cpp).
    void setPosition(const std::string& name, float x, float y);
    void setRotation(const std::string& name, float angle);
    void setVelocity(const std::string& name, float vx, float vy);
    void setAngularVelocity(const std::string& name, float radiansPerSecond);
    void setLinearDamping(const std::string& name, float damping);
    void setAngularDamping(const std::string& name, float damping);
    void setFriction(const std::string& name, float friction);
    void setRestitution(const std::string& name, float restitution);
    void setDensity(const std::string& name, float density);
    void setSleeping(const std::string& name, bool sleeping);
    int applyImpulse(lua::LuaState& state);
    void applyForceNative(const std::string& name, float fx, float fy, float px, float py);
    void setWorldGravity(float gx, float gy);

    // What an object is and how it is drawn (GameLuaObjectSettings.cpp).
    void setFilterCategory(const std::string& name, int category);
    void setFilterMask(const std::string& name, int mask);
    void setSensor(const std::string& name, bool sensor);
    void setVisible(const std::string& name, bool visible);
    void setScale(const std::string& name, float scaleX, float scaleY);
    void setSprite(const std::string& name, const std::string& sprite);
    void setRollingSound(const std::string& name, const std::string& sound);
    void setTexture(const std::string& name, const std::string& texture);
    void setObjectParameter(const std::string& name, int id, float value);

    // Queries (GameLuaQueries.cpp).
    float getAngle(const std::string& name);
    float getSpeed(const std::string& name);
    int getVelocity(lua::LuaState& state);
    int getWorldPoint(lua::LuaState& state);
    int getLocalPoint(lua::LuaState& state);
    lua::LuaTable getIntersectingObjects(lua::LuaTable box);

    // Joints (GameLuaJoints.cpp).
    int createJoint(lua::LuaState& state);
    void setJointParameters(lua::LuaTable parameters);
    void checkJointLimits(const std::string& name);
    void destroyJoint(const std::string& name);
    /// The record of the Box2D joint of that name, or null.
    JointRecord* findJoint(const std::string& name);
    /// Writes the world anchors of every joint but welds into its "objects.joints" table.
    void mirrorJoints();

    /// Binds the tables contact handling writes to: "objects".world, the global "deadBlocks"
    /// (made when the scripts have none) and the global "blockTable" (an empty table stands in
    /// for a missing one). Run at construction, after start-up and when a level loads.
    void bindLevelTables();

    // Contacts (GameLuaCollisions.cpp).
    void setColliderType(const std::string& name, int type);
    bool shouldCollide(GameObject& a, GameObject& b) override;
    void beginContact(Contact& contact) override;
    void endContact(Contact& contact) override;
    void preSolve(Contact& contact) override;
    /// Runs the rule's handler for a contact whose fixtures both have objects.
    void runContactHandler(CollisionHandler handler, Contact& contact);
    void runImpact(Contact& contact, GameObject& a, GameObject& b);
    void blockImpact(GameObject& a, GameObject& b);
    void birdImpact(Contact& contact, GameObject& bird, GameObject& target);
    void glue(Contact& contact, GameObject& a, GameObject& b);
    void captureInBubble(GameObject& bubble, GameObject& captive);
    /// Writes what `damage` leaves of the object's "strength" (when it has one) and hands a
    /// destroyed object to "deadBlocks".
    impact::StrengthLoss damageObject(GameObject& object, float damage);

    // The frame update (GameLuaFrame.cpp) and its physics section (GameLuaPhysics.cpp).
    void publishTouches();
    void updatePhysics(float dt);
    void applyDirectionalFriction();
    void weldGluedPairs();
    void applyPendingVelocities();
    void takeSnapshots();
    void interpolatePoses();
    void runDestroyTimers(float dt);
    void mirrorObjects(float dt);

    framework::App& m_app;
    CameraZoom& m_zoom;
    gr::Context& m_context;
    game::Resources& m_resources;
    std::string m_deviceId;
    /// Saved tables are enciphered with the save key.
    util::AES m_saveCipher{util::saveKey(), util::AES::KEY_LENGTH_FROM_KEY, util::AES::PAD_MODE_PKCS7};

    lua::LuaTable m_keyPressed;
    lua::LuaTable m_keyReleased;
    lua::LuaTable m_keyHold;
    lua::LuaTable m_cursor;
    lua::LuaTable m_multitouchSweep;
    lua::LuaTable m_multitouchZoom;
    lua::LuaTable m_clippedText;
    lua::LuaTable m_objectsTable;
    lua::LuaTable m_nuked;
    /// Cached by `bindLevelTables`.
    lua::LuaTable m_worldTable;
    lua::LuaTable m_deadBlocks;
    lua::LuaTable m_blockTable;

    GameTimer m_timer;
    bool m_safeToQuit = false;
    std::uint32_t m_backgroundColour = 0xFFFFFFFF;
    bool m_updating = true;
    bool m_physicsEnabled = true;
    bool m_editing = false;
    View m_view;
    std::optional<std::string> m_screenCapture;

    float m_accumulator = 0.0f;
    int m_snapshot = 0;
    float m_levelClock = 0.0f;
    bool m_gameLogicLoaded = false;

    bool m_loading = false;
    /// Which collider types touch and what their contacts do; fixed at construction.
    const CollisionMatrix m_collisions;
    std::unique_ptr<PhysicsWorld> m_world;
    std::map<std::string, std::unique_ptr<GameObject>> m_objects;
    std::map<int, std::vector<std::string>> m_layers;
    /// Circles created as projectiles: they take pending velocities after each step.
    std::vector<std::string> m_projectiles;
    /// Box2D joints and links (type 5, no physical joint), in creation order.
    std::vector<JointRecord> m_joints;
    std::vector<JointRecord> m_links;
    /// Glue contacts to weld after the step: (plunger body, glued body).
    std::vector<std::pair<PhysicsBody, PhysicsBody>> m_pendingWelds;
    /// Objects removed while the world stepped, kept until it ends.
    std::vector<std::unique_ptr<GameObject>> m_removedInStep;
    /// The engine's source of randomness (particles, portal effects, pass-through angles), seeded
    /// once from the run's seed (see `streamSeed`).
    std::mt19937 m_random;
    /// The scripts' `math.random` (GameLuaRandom.cpp).
    ScriptRandom m_scriptRandom;
    Trajectories m_trajectories;

    // Particles (GameLuaParticles.cpp).
public:
    /// The particle lists, limits and definitions behind the scripts' "particles".
    ParticleSystem& particleSystem() { return m_particles->system(); }

private:
    /// Creates the particle system with the start-up limits, publishes it as "particles" and
    /// registers the particle natives.
    void registerParticleNatives();
    void loadParticleFile();
    void clearParticles();
    void drawParticlesNative();
    void drawMenuParticlesInAdvance();
    void drawLevelParticlesNative(int layer);
    /// Particle coordinates per world unit, for effects the engine places: the scripts'
    /// "physicsToWorld", or the scene's pixels per unit while that is no number.
    float particleUnitScale();
    /// Empties the lists and puts the start-up limits back, as a level loads.
    void resetParticles();
    /// The frame's advance of the level list, then of the in-game list (while physics runs).
    void advanceWorldParticles(float dt);
    /// The frame's end: advances the menu list, and draws it unless the scripts did this frame.
    void finishParticleFrame(float dt);

    lang::Ref<Particles> m_particles;
    /// Set when the scripts drew the menu particles themselves this frame.
    bool m_particlesDrawn = false;

    // Theme layers (GameLuaThemes.cpp) and drawing primitives (GameLuaDrawing.cpp).
    void registerThemeNatives();
    void drawBackgroundNative();
    void drawForegroundNative();
    void drawLayer(int index);
    void createThemeSprite(const std::string& name, const std::string& sprite, float x, float y, float extra, float px,
                           float py, float angle, int layer);
    void modifyThemeSprite(const std::string& name, float x, float y, float px, float py, float angle, int layer);
    void removeThemeSprite(const std::string& name, int layer);
    void setThemeRectColour(int layer, float red, float green, float blue, float alpha);
    void setThemeForegroundOffsetY(int layer, float offset);
    void native_reloadIngameSprites();
    /// The layer `index` counts to, background layers first; a script error naming `native`
    /// when there is none.
    ThemeLayer& themeLayer(int index, const char* native);
    /// Moves the drifting sprites of the background layers by one frame of `dt` seconds.
    void driftThemeSprites(float dt);
    int setRenderState(lua::LuaState& state);
    void drawLine2D(float x1, float y1, float x2, float y2, float width, float red, float green, float blue,
                    float alpha);
    void drawRectLines(float x1, float y1, float x2, float y2, float width, float red, float green, float blue,
                       float alpha);
    void drawTexturedRect(const std::string& sprite, float x, float y, float width, float height);
    int drawBoxNative(lua::LuaState& state);

    // Dynamic assets (GameLuaDynamicAssets.cpp).
    void registerDynamicAssetNatives();
    /// "createDynamicHandler"(name): see the file.
    void createDynamicHandler(const std::string& name);
    /// The handler script object (a `DynamicHandlerLua`) once the scripts made it; it lives as
    /// long as the game.
    lang::Ref<lua::LuaObject> m_dynamicHandler;

    // Texts (GameLuaText.cpp).
    void registerTextNatives();
    int drawUITextNative(lua::LuaState& state);
    void clipText(const std::string& group, const std::string& id, float maxWidth);
    /// Where a text object goes: its screen position, scales and angle (GameLuaText.cpp).
    struct TextPlacement;
    /// Calls the "draw" method of each line of a clipped text object whose box reaches the screen.
    void drawClippedLines(const lua::LuaTable& text, const TextPlacement& placement);
    /// Draws the localised text of a text object with its anchors, alpha, scale and rotation.
    void drawTextObject(const lua::LuaTable& text, const TextPlacement& placement);

    // Game scene: objects, trajectories, aiming dots, rubber band (GameLuaScene.cpp).
    void registerSceneNatives();
    void drawGameNative();
    void drawSlingScopeNative(float vx, float vy, float force);
    void drawRubberband(float x1, float y1, float x2, float y2, float thickness, const std::string& sprite);
    /// Draws one object of a layer in scene pixels (`drawGameNative`'s per-object rules); static
    /// textured ones go to `m_maskedImages` for the layer's end, or are drawn plain when their
    /// texture cannot be shown.
    void drawSceneObject(const GameObject& object);
    /// Draws the object's sprite or composite sprite with its pivot at (x, y).
    void drawObjectPicture(const GameObject& object, float x, float y);
    /// Draws both trajectory sets' marks with the render state as it is.
    void drawTrajectories();

    /// Static textured objects of the layer being drawn.
    MaskedImage m_maskedImages{m_context};

    // Portals (GameLuaPortals.cpp).
    void registerPortalNatives();
    void inheritTeleportation(const std::string& from, const std::string& to);
    /// A contact with a portal began: the traveller's passage to the portal's exit starts (see
    /// the file).
    void startTeleport(GameObject& a, GameObject& b);
    /// A contact with a portal ended: a passage not yet gone through is called off.
    void abortTeleport(GameObject& a, GameObject& b);
    /// The frame's advance of every passage, outside the world step.
    void updateTeleporters(float dt);
    /// Destroys every joint on the object's body, recorded or not (glue welds).
    void detachJoints(GameObject& object);
    void tellScripts(const char* function, const std::string& objectName) override;
    void removeLoopingObject(const std::string& name) override;
    void playPortalEffects(const lua::LuaTable& effect, PortalPhase phase, const EffectPlace& traveller,
                           const EffectPlace& portal, float physicsToWorld) override;

    /// The running passage of each travelling object, by the object's name.
    std::map<std::string, std::unique_ptr<ObjectTeleporter>> m_teleporters;

    // Water (GameLuaWater.cpp).
    /// One physics step's water, given the frame's `dt` (seconds): lift, drag, splashes and
    /// sinking for every object while "objects" has a "waterLevel"; nothing otherwise.
    void runWaterPass(float dt);
    /// Emits the splash particles `particles` at `position` (world units) and tells the scripts
    /// ("playWaterSplash") whether a bird splashed. The scripts may add and remove objects.
    void splashWater(const char* particles, Vector2 position, bool bird);

    // Advertising (GameLuaAds.cpp): no service is attached, so the requests do nothing; an
    // attached service's reports reach the scripts' callbacks.
    void registerAdNatives();
    /// "checkMainMenuAd"(), "checkGameCompletionUpsell"(): log that this platform has neither.
    void checkMainMenuAd();
    void checkGameCompletionUpsell();
    void bannerHidden() override;
    void bannerSizeChanged(int width, int height) override;
    void bannerRequestFinished(bool success) override;
    void expandableWillExpand() override;
    void expandableHidden() override;
    void expandableSizeChanged(int width, int height) override;
    void expandableRequestFinished(bool success) override;
    void interstitialHidden() override;
    void interstitialRequestFinished(bool success) override;

    // Online checks (GameLuaOnline.cpp).
public:
    /// The background checks behind the online natives (`configure` points them elsewhere).
    OnlineChecks& onlineChecks() { return m_online; }

private:
    void registerOnlineNatives();
    void checkForUpdates();
    void callVersionUpdater();
    void checkInstalledAppsOnline(const std::string& address);
    void checkInstalledAppsOffline(const std::string& list);
    void postDownloadTracking(const std::string& d, const std::string& i, const std::string& b);
    /// The frame's hand-over of the checks' answers: "setInstalledApps", "updateAvailable" and
    /// settings.downloadTrackingCallDone; none in record and replay runs.
    void deliverOnlineResults();

    /// The updater is the program "updater" beside the executable.
    OnlineChecks m_online{OnlineChecks::Settings{Updater::besideExecutable(), Updater::kDefaultLimit, ""}};

    // Device and platform services (GameLuaDevice.cpp).
    void registerDeviceNatives();
    void setAccelerometerActive(bool active);
    void getCurrentLocale();
    void setNotificationsEnabled(bool enabled);
    void addNotificationAfter(int id, int seconds, const std::string& text, const std::string& action);
    void removeNotification(int id);
    void removeAllNotifications();
    void setNotificationCallback(const std::string& function);
    bool openProgram(const std::string& program);
    bool canOpenProgram(const std::string& program);
    std::string getOSName();
    std::string getOSVersion();
    std::string getModel();
    std::string getManufacturer();
    void playVideo(const std::string& file);
    /// Frame step: the notifications due after `dt` more seconds go to the scripts' callback.
    void deliverDueNotifications(float dt);
    /// Frame step: the accelerometer's reading, low-pass filtered, while it is on.
    void readAccelerometer();
    /// Activation step: the platform's switches for notifications, where it has them.
    void applyNotificationSettings();

    pf::Accelerometer m_accelerometer;
    /// The first component of the accelerometer's readings, low-pass filtered.
    float m_filteredAcceleration = 0.0f;
    pf::LocalNotifications m_notifications;
    /// The script function due notifications are handed to; none while empty.
    std::string m_notificationCallback;
    pf::AppSettings m_appSettings;
    pf::VideoPlayer m_videoPlayer;
    const pf::DeviceInfo m_deviceInfo = pf::DeviceInfo::current();

    // Debug console (GameLuaDebugConsole.cpp).
    void registerDebugConsoleNatives();
    void activateDebugConsole(const std::string& text);
    void deactivateDebugConsole();
    /// Writes the console's text into "g_debugconsole_text" of the global table "DebugConsole".
    void publishDebugConsoleText(const std::string& text);

    DebugConsole m_debugConsole{[this](const std::string& text) { publishDebugConsoleText(text); }};

    // Sound (GameLuaAudio.cpp).
    /// "setChannelCountLimit"(track, limit): at most `limit` sounds at once on the mixer track
    /// (a negative limit: no limit); nothing without an audio output.
    void setChannelCountLimit(int track, int limit);
    /// The play limits the game starts with: track 1 at 4, track 2 (rolling sounds) at 6,
    /// tracks 3 to 5 at 3.
    void applyStartingChannelLimits();
    /// Starts an output that stopped while the game is in front and "settings" has
    /// "audioEnabled" true.
    void runAudioWatchdog();
    /// Raises this frame's level of the rolling sound `sound` to at least `level`.
    void noteRollingLevel(const std::string& sound, float level);
    /// Starts, re-levels or stops each rolling sound by this frame's level, then forgets the
    /// levels.
    void playRollingSounds();

    /// The loudest rolling level of each rolling sound this frame.
    std::map<std::string, float> m_rollingLevels;

    // Levels (GameLuaLevels.cpp).
public:
    /// The theme's background layers, drawn behind the world, in the theme's order.
    const std::vector<ThemeLayer>& backgroundLayers() const { return m_backgroundLayers; }
    /// The theme's foreground layers, drawn in front of the world, in the theme's order.
    const std::vector<ThemeLayer>& foregroundLayers() const { return m_foregroundLayers; }
    /// The theme's sky colour, components 0 to 255.
    const ThemeColour& skyColour() const { return m_skyColour; }
    /// The theme's ground colour, components 0 to 255.
    const ThemeColour& groundColour() const { return m_groundColour; }

private:
    void registerLevelNatives();
    /// Loads scriptPath + "/blocks.lua" into the global "blockTable" (failures are logged).
    void loadBlockTable();
    void loadLevel(const std::string& name, const std::string& key);
    /// The level table of the level file `name` + ".lua", deciphered with `key` (empty: the
    /// data key). Raises the engine's exceptions when it does not load.
    lua::LuaTable readLevel(const std::string& name, const std::string& key);
    void setTheme(const std::string& name);
    int saveLevel(lua::LuaState& state);
    void checkLevelAvailabilityOnline();
    lua::LuaTable getOnlineCheckStatus();

    ThemeColour m_skyColour;
    ThemeColour m_groundColour;
    std::vector<ThemeLayer> m_backgroundLayers;
    std::vector<ThemeLayer> m_foregroundLayers;
    LevelAvailabilityCheck m_levelCheck;
};
