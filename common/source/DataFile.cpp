#include "DataFile.h"

#include "framework/App.h"
#include "io/ConfinedName.h"
#include "io/IOException.h"
#include "io/PathName.h"
#include "lang/Format.h"

#include <utility>

std::optional<std::string> confinedDataFile(const framework::App& app, const std::string& name) {
    if (!io::isConfined(name))
        return std::nullopt;
    return app.resolvePath(name).toString();
}

std::string dataFile(const framework::App& app, const std::string& name) {
    std::optional<std::string> path = confinedDataFile(app, name);
    if (!path)
        throw io::IOException(lang::Format("The file name \"{0}\" leads out of the data folder", name));
    return *std::move(path);
}
