// Script files, the game-logic archive, saved tables and the file-system natives.
//
// Shipped scripts are zip archives enciphered with the data key; the first entry is the chunk.
// Saved tables are the text form of a table, enciphered with the save key, in the user's
// application-data folder. Anyone can write that folder, so a saved table is read as data and
// never run: a damaged file, or one holding code, gives an empty table instead of a crash, a
// hang or gigabytes of memory.
#include "GameLua.h"

#include "DataFile.h"
#include "DirectoryListing.h"
#include "framework/App.h"
#include "io/AppDataInputStream.h"
#include "io/AppDataOutputStream.h"
#include "io/AtomicFileOutputStream.h"
#include "io/BundleInputStream.h"
#include "io/ByteArrayOutputStream.h"
#include "io/ConfinedName.h"
#include "io/PathName.h"
#include "io/ReadAll.h"
#include "io/ZipFileInputStream.h"
#include "lang/Log.h"
#include "lang/Throwable.h"
#include "lua/LuaState.h"
#include "lua/SavedTableReader.h"
#include "util/DataKeys.h"
#include "util/EncipheredArchive.h"

#include <sys/stat.h>

#include <exception>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

/// The chunk of an enciphered script archive and the name of its entry.
struct ScriptChunk {
    lang::Ref<io::ZipEntryInputStream> input;
    std::string name;
};

/// Opens the script archive at `path` in the data folder. Raises the stream's, the cipher's and
/// the archive's exceptions.
ScriptChunk openScript(const std::string& path) {
    io::BundleInputStream file(path);
    lang::Ref<io::ZipFileInputStream> archive = util::openEncipheredArchive(io::readAll(file), util::dataKey(), path);
    return {archive->getEntry(0), archive->getEntryName(0)};
}

/// The file that saves `table`: its text, enciphered with `cipher` when there is one.
std::vector<std::uint8_t> savedFile(const lua::LuaTable& table, const util::AES* cipher) {
    io::ByteArrayOutputStream text;
    table.serialize(text);
    if (!cipher)
        return text.bytes();
    std::vector<std::uint8_t> bytes;
    cipher->encrypt(text.bytes(), bytes);
    return bytes;
}

/// Writes the whole of `bytes`; the stream replaces its file when it goes.
void writeFile(io::OutputStream&& output, const std::vector<std::uint8_t>& bytes) {
    output.write(bytes.data(), static_cast<int>(bytes.size()));
}

/// Whether the application-data file `file` holds exactly `bytes`.
bool holds(const std::string& file, const std::vector<std::uint8_t>& bytes) {
    try {
        io::AppDataInputStream input(file);
        return io::readAll(input) == bytes;
    } catch (const lang::Throwable&) {
        return false;
    }
}

void logLoadFailure(const char* function, const std::string& path, const lang::Throwable& error) {
    lang::log::write("Game", __FILE__, function, __LINE__, lang::log::Error, "Unable to load lua file %s",
                     path.c_str());
    LOG_INFO("Game", "%s", error.what());
}

} // namespace

void GameLua::registerFileNatives() {
    registerMethod("saveLuaFile", &GameLua::saveLuaFile);
    registerMethod("createDirectory", &GameLua::createDirectory);
    registerMethod("checkDirectory", &GameLua::checkDirectory);
    registerMethod("getDirectoryFileList", &GameLua::getDirectoryFileList);
    registerMethod("loadLuaFile", &GameLua::loadLuaFile);
    registerMethod("loadLuaFileToObject", &GameLua::loadLuaFileToObject);
    registerMethod("checkForLuaFile", &GameLua::checkForLuaFile);
}

void GameLua::loadGameLogic(const io::PathName& path) {
    ScriptChunk chunk = openScript(path.toString());
    state().runChunk(*chunk.input, chunk.name, this);
    callScript("updateValues");
    m_gameLogicLoaded = true;
}

// loadLuaFile(path, name)
void GameLua::loadLuaFile(const std::string& path, const std::string& name) {
    try {
        ScriptChunk chunk = openScript(dataFile(m_app, path));
        if (name.empty()) {
            load(*chunk.input);
            return;
        }
        lua::LuaTable table(state());
        table.load(*chunk.input);
        set(name, table);
    } catch (const lang::Throwable& error) {
        logLoadFailure("GameLua::loadLuaFile", path, error);
    }
}

// loadLuaFileToObject(path, target, name [, reportErrors = true])
int GameLua::loadLuaFileToObject(lua::LuaState& lua) {
    const std::string path = lua.toString(1);
    lua::LuaTable target = lua.toTable(2);
    const std::string name = lua.toString(3);
    const lua::LuaType reportType = lua.getType(4);
    const bool report = reportType == lua::LuaType::None || reportType == lua::LuaType::Nil || lua.toBoolean(4);
    try {
        ScriptChunk chunk = openScript(dataFile(m_app, path));
        if (name.empty()) {
            target.load(*chunk.input);
            return 0;
        }
        lua::LuaObject object(lua);
        object.set("gamelua", *this);
        object.load(*chunk.input);
        target.set(name, object);
    } catch (const lang::Throwable& error) {
        if (report)
            logLoadFailure("GameLua::loadLuaFileToObject", path, error);
    }
    return 0;
}

// saveLuaFile(file, name, enciphered): the global table `name`, enciphered into the
// application-data folder or as plain text into the data folder. The whole file is made in
// memory first and then replaces the old one, which a failure leaves as it was.
void GameLua::saveLuaFile(const std::string& file, const std::string& name, bool enciphered) {
    if (!io::isConfined(file)) {
        LOG_ERROR("Game", "Not saving %s: the file name %s leads out of its folder", name.c_str(), file.c_str());
        return;
    }
    if (!isTable(name))
        return;
    const std::vector<std::uint8_t> bytes = savedFile(getTable(name), enciphered ? &m_saveCipher : nullptr);
    if (!enciphered) {
        writeFile(io::AtomicFileOutputStream(m_app.resolvePath(file).toString()), bytes);
        return;
    }
    // The save cipher has no random part (zero vector, PKCS#7 padding), so an unchanged table
    // gives the same bytes, and the slow flush to the disk can be skipped.
    if (!holds(file, bytes))
        writeFile(io::AppDataOutputStream(file), bytes);
}

lua::LuaTable GameLua::readSavedTable(const std::string& file) {
    std::vector<std::uint8_t> bytes;
    try {
        io::AppDataInputStream input(file);
        bytes = io::readAll(input);
    } catch (const lang::Throwable&) {
        // Missing or unreadable: the scripts can tell a lost save from a first start.
        m_nuked.set(file, true);
        return lua::LuaTable(state());
    } catch (const std::exception&) {
        return lua::LuaTable(state());
    }
    if (!m_saveCipher.decrypt(bytes, bytes)) {
        LOG_WARNING("Game", "Saved table %s does not decipher with this installation's key", file.c_str());
        return lua::LuaTable(state());
    }
    try {
        return lua::SavedTableReader::read(
            state(), std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file);
    } catch (const std::exception& error) {
        LOG_WARNING("Game", "Saved table %s was not read: %s", file.c_str(), error.what());
    }
    return lua::LuaTable(state());
}

void GameLua::saveTablesAtExit() {
    for (const char* name : {"settings", "bi_data"}) {
        try {
            saveLuaFile(std::string(name) + ".lua", name, true);
        } catch (const std::exception& error) {
            LOG_ERROR("Game", "Saving %s failed: %s", name, error.what());
        }
    }
}

// checkForLuaFile(path) -> whether the file opens
bool GameLua::checkForLuaFile(const std::string& path) {
    try {
        io::BundleInputStream file(dataFile(m_app, path));
        return true;
    } catch (const lang::Throwable&) {
        return false;
    }
}

// createDirectory(path): a failure, or a path out of the data folder, is not reported
void GameLua::createDirectory(const std::string& path) {
    std::error_code ignored;
    if (const std::optional<std::string> folder = confinedDataFile(m_app, path))
        std::filesystem::create_directory(*folder, ignored);
}

// checkDirectory(path) -> whether a file or folder exists at the path, taken as it is
bool GameLua::checkDirectory(const std::string& path) {
    struct stat attributes {};
    return stat(path.c_str(), &attributes) == 0;
}

// getDirectoryFileList(search) -> the names matching a pattern such as "levels/*.lua"; none
// for a pattern out of the data folder
lua::LuaTable GameLua::getDirectoryFileList(const std::string& search) {
    lua::LuaTable names(state());
    const std::optional<std::string> pattern = confinedDataFile(m_app, search);
    if (!pattern)
        return names;
    int index = 0;
    for (const std::string& name : listMatchingEntries(*pattern))
        names.set(++index, name);
    return names;
}
