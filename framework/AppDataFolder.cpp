#include "framework/AppDataFolder.h"

#include "lang/Log.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace framework {

std::string applicationDataFolder(const std::string& fallback, const std::string& publisher,
                                  const std::string& product) {
    if (publisher.empty() || product.empty())
        return fallback;
    std::filesystem::path base;
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && *dataHome)
        base = dataHome;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        return fallback;
    const std::filesystem::path folder = base / publisher / product;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        LOG_WARNING("Host", "Cannot create the application-data folder %s: %s", folder.c_str(),
                    error.message().c_str());
        return fallback;
    }
    return folder.string();
}

} // namespace framework
