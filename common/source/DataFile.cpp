#include "DataFile.h"

#include "framework/App.h"
#include "io/ConfinedName.h"
#include "io/IOException.h"
#include "io/PathName.h"
#include "lang/Format.h"

#include <algorithm>
#include <string_view>
#include <utility>

std::optional<std::string> confinedDataFile(const framework::App& app, const std::string& name) {
    if (!io::isConfined(name))
        return std::nullopt;
    // A leading slash only roots the name in the folder: joined to an empty data path (the
    // working directory) it would make the name absolute.
    const size_t start = std::min(name.find_first_not_of("/\\"), name.size());
    return app.resolvePath(std::string_view(name).substr(start)).toString();
}

std::string dataFile(const framework::App& app, const std::string& name) {
    std::optional<std::string> path = confinedDataFile(app, name);
    if (!path)
        throw io::IOException(lang::Format("The file name \"{0}\" leads out of the data folder", name));
    return *std::move(path);
}
