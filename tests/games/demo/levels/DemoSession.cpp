#include "DemoSession.h"

#include "GameApp.h"
#include "GameConfiguration.h"
#include "GameLua.h"
#include "framework/Configuration.h"
#include "framework/Input.h"
#include "framework/KeyCodes.h"
#include "io/VirtualFileSystem.h"

#include <stdlib.h>

#include <fstream>
#include <regex>
#include <stdexcept>

namespace demotest {

namespace fs = std::filesystem;

namespace {
constexpr int kVirtualKeyF2 = 113;
}

GameFolder::GameFolder() {
    std::string pattern = (fs::temp_directory_path() / "tumble-level-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed for " + pattern);
    m_path = pattern;
    const fs::path built = TUMBLE_DEMO_BUILD_DIR;
    for (const fs::directory_entry& entry : fs::directory_iterator(built)) {
        const fs::path name = entry.path().filename();
        if (name != "levels") {
            fs::create_symlink(entry.path(), m_path / name);
            continue;
        }
        fs::create_directory(m_path / name);
        for (const fs::directory_entry& level : fs::directory_iterator(entry.path()))
            fs::create_symlink(level.path(), m_path / name / level.path().filename());
    }
    fs::create_directory(m_path / "appdata");
}

GameFolder::~GameFolder() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

/// A replayed run's options: seed 1, as `tumble --replay` has by default.
DemoSession::DemoSession(int level)
    : m_previousDirectory(fs::current_path()),
      m_os({"tumble"}, {.seed = 1, .startLevel = level, .reproducible = true}) {
    fs::current_path(m_folder.path());
    framework::Configuration configuration;
    readConfiguration(configuration, m_os);
    io::setAppDataPath((m_folder.path() / "appdata").string());
    m_context = new gametest::FakeContext(gr::RendererKind::Gl2, configuration.width, configuration.height);
    m_app = std::make_unique<GameApp>(*m_context, m_os);
    m_app->start();
    framework::input::activate(*m_app, true);
}

DemoSession::~DemoSession() {
    m_app.reset();
    startupValues() = StartupValues();
    std::error_code ignored;
    fs::current_path(m_previousDirectory, ignored);
}

void DemoSession::run(const framework::ReplayFrame& frame) {
    framework::applyReplayFrame(*m_app, frame);
    m_context->setTime(m_context->time() + frame.dt);
    m_app->update(frame.dt, *m_context, 3);
    ++m_frames;
}

void DemoSession::runIdle() { run({kFrameDt, {}}); }

std::optional<LevelState> DemoSession::levelState() const {
    const GameLua& game = m_app->game();
    if (!game.isTable("levelState"))
        return std::nullopt;
    const lua::LuaTable table = game.getTable("levelState");
    return LevelState{static_cast<int>(table.getNumber("number")),
                      table.getString("name"),
                      table.getString("phase"),
                      table.getNumber("score"),
                      static_cast<int>(table.getNumber("stars")),
                      static_cast<int>(table.getNumber("birdsLeft")),
                      table.getNumber("slingshotX"),
                      table.getNumber("slingshotY")};
}

std::vector<ObjectPose> DemoSession::movingObjects() const {
    std::vector<ObjectPose> poses;
    for (const auto& [name, object] : m_app->game().objects()) {
        if (object->body.type() == BodyType::Static)
            continue;
        const Vector2 position = object->body.position();
        poses.push_back({name, position.x, position.y, object->body.angle()});
    }
    return poses;
}

bool DemoSession::hasObject(const std::string& name) const { return m_app->game().objects().contains(name); }

std::vector<Placement> DemoSession::placements() const {
    std::vector<Placement> placed;
    const lua::LuaTable world = m_app->game().getTable("loadedObjects").getTable("world");
    for (const auto& [name, object] : m_app->game().objects()) {
        if (!world.isTable(name))
            continue;
        const lua::LuaTable entry = world.getTable(name);
        placed.push_back({name, entry.getString("definition"), entry.getNumber("y")});
    }
    return placed;
}

std::optional<float> DemoSession::waterLevel() const {
    const lua::LuaTable level = m_app->game().getTable("loadedObjects");
    if (!level.isNumber("waterLevel"))
        return std::nullopt;
    return level.getNumber("waterLevel");
}

float DemoSession::halfHeight(const std::string& name) const {
    const GameObject& object = *m_app->game().objects().at(name);
    return object.radius > 0.0f ? object.radius : object.height / 2.0f;
}

fs::path DemoSession::saveInEditMode(const std::string& name) {
    for (const int virtualKey : {kVirtualKeyF2, int{'S'}}) {
        const int key = framework::keyCodeForVirtualKey(virtualKey);
        m_app->keyDown(key);
        runIdle();
        m_app->keyUp(key);
        runIdle();
    }
    // Until the save, the file is a link to the build's packed level.
    const fs::path saved = m_folder.path() / "levels" / (name + ".lua");
    if (fs::is_symlink(saved))
        throw std::runtime_error("the edit mode saved nothing for " + name);
    return saved;
}

std::vector<LevelEntry> shippedLevels() {
    std::ifstream list(demoSourceFolder() / "scripts" / "levelList.lua");
    const std::string text((std::istreambuf_iterator<char>(list)), {});
    const std::regex entry(R"re(name\s*=\s*"([a-z0-9_]+)")re");
    std::vector<LevelEntry> levels;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), entry); match != std::sregex_iterator(); ++match)
        levels.push_back({static_cast<int>(levels.size()) + 1, (*match)[1]});
    return levels;
}

fs::path demoSourceFolder() { return TUMBLE_DEMO_SOURCE_DIR; }

} // namespace demotest
