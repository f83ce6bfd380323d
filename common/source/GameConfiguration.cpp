#include "GameConfiguration.h"

#include "framework/Configuration.h"
#include "framework/OSInterface.h"
#include "io/BundleInputStream.h"
#include "io/PathName.h"
#include "lang/Log.h"
#include "lang/Ref.h"
#include "lang/Truncate.h"
#include "lua/LuaState.h"
#include "lua/LuaTable.h"
#include "renderer/RendererKind.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

/// The number under `key`, truncated toward zero; the field is left alone when there is none.
void readInteger(const lua::LuaTable& table, const char* key, int& field) {
    if (table.isNumber(key))
        field = lang::truncateTo<int>(table.getNumber(key));
}

void readString(const lua::LuaTable& table, const char* key, std::string& field) {
    if (table.isString(key))
        field = table.getString(key);
}

void readBoolean(const lua::LuaTable& table, const char* key, bool& field) {
    if (table.isBoolean(key))
        field = table.getBoolean(key);
}

/// 90 is quarter turn 1, 180 is 2, 270 is 3; anything else is upright.
int orientationOf(int degrees) {
    switch (degrees) {
    case 90:
        return 1;
    case 180:
        return 2;
    case 270:
        return 3;
    default:
        return 0;
    }
}

void readRenderers(const lua::LuaTable& table, std::vector<gr::RendererKind>& renderers) {
    if (!table.isTable("renderer"))
        return;
    const lua::LuaTable list = table.getTable("renderer");
    for (int index = 1; list.isString(index); ++index) {
        const std::string name = list.getString(index);
        for (int kind = 0; kind < gr::kRendererKindCount; ++kind) {
            const char* shortName = gr::shortName(static_cast<gr::RendererKind>(kind));
            if (name.size() == std::strlen(shortName) && name == shortName)
                renderers.push_back(static_cast<gr::RendererKind>(kind));
        }
    }
}

} // namespace

StartupValues& startupValues() {
    static StartupValues values;
    return values;
}

std::string configurationFile(const std::vector<std::string>& arguments, const std::string& demoConfig) {
    if (arguments.size() > 1) {
        const std::string& file = arguments[1];
        const auto slash = file.find_last_of('/');
        return slash == std::string::npos ? file : file.substr(slash + 1);
    }
    std::error_code error;
    if (std::filesystem::exists("config.lua", error) || !std::filesystem::exists(demoConfig, error))
        return "config.lua";
    const std::filesystem::path demo(demoConfig);
    std::filesystem::current_path(demo.parent_path(), error);
    if (error)
        LOG_WARNING("Game", "Cannot change to the demo game's folder %s: %s", demo.parent_path().c_str(),
                    error.message().c_str());
    return demo.filename().string();
}

void readConfigurationScript(io::InputStream& input, const std::string& baseDirectory,
                             framework::Configuration& configuration, StartupValues& values) {
    lang::Ref<lua::LuaState> state = new lua::LuaState();
    {
        lua::LuaTable table(*state);
        table.load(input);

        if (table.isString("datapath"))
            values.dataPath = baseDirectory + table.getString("datapath");
        readString(table, "name", configuration.name);
        readInteger(table, "width", configuration.width);
        readInteger(table, "height", configuration.height);
        readInteger(table, "framerate", configuration.framerate);
        configuration.fullScreen = false;
        readBoolean(table, "showCursor", configuration.showCursor);
        if (table.isNumber("orientation"))
            configuration.orientation = orientationOf(lang::truncateTo<int>(table.getNumber("orientation")));
        PathsAndFlags& paths = values.paths;
        readString(table, "imagePath", paths.imagePath);
        readString(table, "fontPath", paths.fontPath);
        readString(table, "audioPath", paths.audioPath);
        readString(table, "localizationPath", paths.localizationPath);
        readString(table, "levelPath", paths.levelPath);
        readString(table, "commonScriptPath", paths.commonScriptPath);
        readString(table, "scriptPath", paths.scriptPath);
        readString(table, "shaderPath", values.shaderPath);
        readString(table, "deviceModel", paths.deviceModel);
        readString(table, "product", configuration.product);
        readString(table, "publisher", configuration.publisher);
        readBoolean(table, "singleton", configuration.singleton);
        paths.lite = table.isBoolean("isLiteVersion") && table.getBoolean("isLiteVersion");
        paths.hd = table.isBoolean("isHDVersion") && table.getBoolean("isHDVersion");
        paths.beta = table.isBoolean("isBetaVersion") && table.getBoolean("isBetaVersion");
        readInteger(table, "icon", configuration.icon);
        readRenderers(table, configuration.renderers);
    }
}

void readConfiguration(framework::Configuration& configuration, framework::OSInterface& os) {
    // Both upright orientations are always allowed; the host never empties the list before.
    configuration.orientations.push_back(1);
    configuration.orientations.push_back(3);
    const std::string file = configurationFile(os.arguments(), TUMBLE_DEMO_CONFIG);
    io::BundleInputStream input(io::PathName(os.baseDirectory(), file).toString());
    readConfigurationScript(input, os.baseDirectory(), configuration, startupValues());
}
