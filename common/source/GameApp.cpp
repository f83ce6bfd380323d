#include "GameApp.h"

#include "GameConfiguration.h"
#include "GameLua.h"
#include "StateHash.h"
#include "audio/AudioInput.h"
#include "audio/AudioOutput.h"
#include "flurry/FlurryLuaInterface.h"
#include "framework/KeyCodes.h"
#include "framework/OSInterface.h"
#include "game/LuaResources.h"
#include "game/Resources.h"
#include "io/PathName.h"
#include "io/Uri.h"
#include "io/VirtualFileSystem.h"
#include "lang/Log.h"
#include "lua/LuaState.h"
#include "renderer/Context.h"
#include "renderer/GraphicsException.h"
#include "renderer/RendererKind.h"

#include <algorithm>

namespace {

/// The shader programs every frame may need, loaded at start-up by the shader-based renderers.
constexpr const char* kBaseShaders[] = {"2d-sprite-alpha-masked", "2d-sprite", "2d-sprite-alpha",
                                        "2d-vertexcolor-alpha", "2d-vertexcolor"};

constexpr float kVolumeStep = 0.1f;

bool usesShaders(gr::RendererKind kind) {
    return kind == gr::RendererKind::Dx11 || kind == gr::RendererKind::Gles2 || kind == gr::RendererKind::Gl2;
}

} // namespace

GameApp::GameApp(gr::Context& context, framework::OSInterface& os, lang::Ref<flurry::Flurry::Impl> analyticsService)
    : framework::App(os), m_context(context), m_lua(new lua::LuaState()), m_contextOrientation(context.orientation()) {
    StartupValues& values = startupValues();
    setBasePath(values.dataPath);
    m_context.setShaderPath(
        io::PathName(resolvePath(values.shaderPath).toString(), gr::shortName(m_context.kind())).toString());

    m_resources = new game::LuaResources(*m_lua, m_context);
    m_analytics = new flurry::Flurry(std::move(analyticsService));
    m_analyticsInterface = new flurry::FlurryLuaInterface(*m_lua, *m_analytics);
    m_game = new GameLua(*this, m_zoom, *m_lua, m_context, resources(), values.paths);
    const framework::RunOptions& run = os.runOptions();
    if (run.reproducible)
        resources().mute();
    if (run.startLevel)
        m_game->set("startLevel", *run.startLevel);
    m_game->resetTimer();
    m_game->loadLuaFile(values.paths.scriptPath + "/starLimits.lua", "starTable");
    m_game->loadGameLogic(resolvePath(values.paths.commonScriptPath + "/gamelogic.lua"));
    io::mount("/levels/", io::Uri("bundle:///" + values.dataPath + "/levels/"));
    io::mount("/vehicles/", io::Uri("bundle:///" + values.dataPath + "/vehicles/"));
    // From here on the scripts' globals are the only copies of the paths.
    values.dataPath.clear();
    values.paths = PathsAndFlags();

    if (usesShaders(m_context.kind()))
        loadBaseShaders();

    for (int code = 0; code < framework::kKeyCodeCount; ++code) {
        m_game->keyPressedTable().set(framework::keyName(code), false);
        m_game->keyReleasedTable().set(framework::keyName(code), false);
        m_game->keyHoldTable().set(framework::keyName(code), false);
    }

    if (m_game->isTable("settings")) {
        lua::LuaTable settings = m_game->getTable("settings");
        if (settings.isNumber("volume"))
            m_masterVolume = settings.getNumber("volume");
        if (os.isAudioOff())
            settings.set("audioEnabled", false);
    }
    if (audio::AudioOutput* output = resources().audioOutput())
        output->setMasterVolume(m_masterVolume);
    if (m_game->isString("customerString"))
        m_analytics->logEvent("Customer String", {{"ID", m_game->getString("customerString")}});

    m_game->finishStartUp();
}

// The members then go in reverse order: the analytics objects, the base shaders, the game (which
// saves the settings while the interpreter still exists), the resources, the Lua state.
GameApp::~GameApp() {
    m_analytics->endSession();
    startupValues().dataPath.clear();
}

void GameApp::loadBaseShaders() {
    for (const char* name : kBaseShaders)
        m_baseShaders.push_back(m_context.loadShader(name));
}

void GameApp::update(float dt, gr::Context&, int) {
    m_zoom.pinch(touches());
    m_zoom.advance(dt);
    publishKeyTables();
    applyVolumeKeys();
    if (m_game->isUpdating()) {
        m_context.beginScene();
        // The frame is opaque: the colour's alpha byte, 0 after "setBGColor", must not darken it.
        m_context.clear(m_game->backgroundColour() | 0xFF000000u);
        m_game->update(dt);
        m_context.endScene();
    }
    m_context.present();
    if (const auto capture = m_game->takeScreenCapture())
        saveScreenCapture(*capture);
    m_context.endFrame();
    m_game->cursorTable().set("wheelTriggered", false);
}

void GameApp::saveScreenCapture(const std::string& file) {
    // A screenshot that cannot be written is no reason to end the game.
    try {
        m_context.saveScreen(file);
    } catch (const gr::GraphicsException& error) {
        LOG_ERROR("Game", "%s", error.what());
    }
}

void GameApp::publishKeyTables() {
    for (int code = 0; code < framework::kKeyCodeCount; ++code) {
        const char* name = framework::keyName(code);
        m_game->keyPressedTable().set(name, m_pressed[static_cast<size_t>(code)]);
        m_game->keyReleasedTable().set(name, m_released[static_cast<size_t>(code)]);
        m_game->keyHoldTable().set(name, isKeyDown(code));
    }
    m_pressed.fill(false);
    m_released.fill(false);
}

void GameApp::applyVolumeKeys() {
    const lua::LuaTable& pressed = m_game->keyPressedTable();
    if (pressed.getBoolean(framework::keyName(framework::kKeyVolumeUp)) ||
        pressed.getBoolean(framework::keyName(framework::kKeyAdd)))
        changeVolume(kVolumeStep);
    if (pressed.getBoolean(framework::keyName(framework::kKeyVolumeDown)) ||
        pressed.getBoolean(framework::keyName(framework::kKeySubtract)))
        changeVolume(-kVolumeStep);
}

game::Resources& GameApp::resources() const { return m_resources->resources(); }

float GameApp::masterVolume() const {
    // The scripts may have set the output's volume themselves ("setMasterVolume").
    const audio::AudioOutput* output = resources().audioOutput();
    return output ? output->getMasterVolume() : m_masterVolume;
}

void GameApp::changeVolume(double delta) {
    // In double, so that 0.95 + 0.1 lands on 1.0 after clamping rather than just below it.
    m_masterVolume = static_cast<float>(std::clamp(static_cast<double>(masterVolume()) + delta, 0.0, 1.0));
    resources().setMasterVolume(m_masterVolume);
    m_game->getTable("settings").set("volume", m_masterVolume);
}

void GameApp::keyDown(int code) {
    if (code >= 0 && code < framework::kKeyCodeCount)
        m_pressed[static_cast<size_t>(code)] = true;
}

void GameApp::keyUp(int code) {
    if (code >= 0 && code < framework::kKeyCodeCount)
        m_released[static_cast<size_t>(code)] = true;
}

void GameApp::orientationChanged() { m_contextOrientation = m_context.orientation(); }

void GameApp::resolutionChanged() {
    m_game->callScript("resolutionChanged",
                       {static_cast<float>(m_context.width()), static_cast<float>(m_context.height())});
}

void GameApp::mouseMoved(int x, int y) {
    m_game->cursorTable().set("x", x);
    m_game->cursorTable().set("y", y);
}

void GameApp::mouseWheel(int steps) {
    if (!isKeyDown(framework::kKeyControl))
        m_zoom.wheel(steps, isKeyDown(framework::kKeyShift));
    m_game->cursorTable().set("wheel", steps);
    m_game->cursorTable().set("wheelTriggered", true);
}

void GameApp::setActive(bool active) {
    framework::App::setActive(active);
    m_game->setActive(active);
}

bool GameApp::setForeground(bool foreground) {
    framework::App::setForeground(foreground);
    audio::AudioOutput* output = resources().audioOutput();
    audio::AudioInput* input = resources().audioInput();
    if (!foreground) {
        if (output)
            output->stop();
        if (input)
            input->stop();
        return true;
    }
    bool started = true;
    if (output && isAudioEnabled())
        started = output->start();
    if (input)
        input->start();
    return started;
}

bool GameApp::isAudioEnabled() const {
    if (!m_game->isTable("settings"))
        return true;
    const lua::LuaTable settings = m_game->getTable("settings");
    return !settings.isBoolean("audioEnabled") || settings.getBoolean("audioEnabled");
}

bool GameApp::isSafeToQuit() { return m_game->isSafeToQuit(); }

std::optional<std::uint64_t> GameApp::stateHash() const {
    return ::stateHash(m_game->objects(), m_game->isNumber("score") ? m_game->getNumber("score") : 0.0f);
}

std::unique_ptr<framework::App> createApp(framework::OSInterface& os, gr::Context& context) {
    return std::make_unique<GameApp>(context, os);
}
