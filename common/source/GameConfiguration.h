#pragma once

#include <string>
#include <vector>

namespace framework {
struct Configuration;
class OSInterface;
} // namespace framework

namespace io {
class InputStream;
}

/// The folders and edition flags the game hands to its scripts as globals, in the order the
/// script interface receives them.
struct PathsAndFlags {
    std::string imagePath;
    std::string fontPath;
    std::string audioPath;
    std::string localizationPath;
    std::string levelPath;
    std::string scriptPath;
    std::string commonScriptPath;
    std::string deviceModel;
    bool lite = false; ///< "isLiteVersion"
    bool hd = false;   ///< "isHDVersion"
    bool beta = false; ///< "isBetaVersion"
};

/// What the configuration reader leaves for the game application, one instance per process.
/// The application takes the values over when it is built and then empties all of them except
/// the shader path: from then on the scripts' globals are the only copies.
struct StartupValues {
    std::string dataPath;   ///< folder of the game's data, relative to the working directory
    std::string shaderPath; ///< folder of the shader programs, relative to the data path
    PathsAndFlags paths;
};

/// The process-wide start-up values.
StartupValues& startupValues();

/// The configuration reader the host calls before any window exists: runs the settings script
/// (see `configurationFile`) and fills `configuration` and `startupValues()`. Raises the
/// stream's `io::IOException` when the file cannot be opened and `lua::LuaException` when it
/// does not run.
void readConfiguration(framework::Configuration& configuration, framework::OSInterface& os);

/// The settings script to open, relative to the working directory. With a program argument it
/// is that argument's file name: the host has already entered its folder. Without one it is
/// "config.lua"; when the working directory has none, the bundled demo's folder (`demoConfig`,
/// if that file exists) becomes the working directory.
std::string configurationFile(const std::vector<std::string>& arguments, const std::string& demoConfig);

/// Runs the settings script `input` with a table of its own as its globals and copies the keys
/// it sets into `configuration` and `values`. A missing key, or one of the wrong type, leaves
/// its field as it was; the edition flags are cleared unless set. `baseDirectory` goes before
/// the data path.
void readConfigurationScript(io::InputStream& input, const std::string& baseDirectory,
                             framework::Configuration& configuration, StartupValues& values);
