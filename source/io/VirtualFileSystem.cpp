#include "io/VirtualFileSystem.h"

#include "io/AppDataInputStream.h"
#include "io/BundleInputStream.h"
#include "io/FileInputStream.h"
#include "io/IOException.h"
#include "io/PathName.h"
#include "lang/Mutex.h"

#include <algorithm>
#include <map>
#include <utility>

namespace io {

namespace {

/// How often a resolved mount may lead to another mount: more means the mounts form a loop.
constexpr int kMaxMountDepth = 32;

struct State {
    State() {
        schemes["file"] = [](const Uri& uri) -> lang::Ref<InputStream> {
            return new FileInputStream(uri.isOpaque() ? uri.getSchemeSpecificPart() : uri.getPath());
        };
        schemes["bundle"] = [](const Uri& uri) -> lang::Ref<InputStream> {
            return new BundleInputStream(uri.getPath());
        };
        schemes["appdata"] = [](const Uri& uri) -> lang::Ref<InputStream> {
            return new AppDataInputStream(uri.getPath());
        };
    }

    lang::Mutex mutex;
    std::map<std::string, ReadSchemeOpener, std::less<>> schemes;
    std::map<std::string, Uri, std::less<>> mounts;
    std::string bundlePath = ".";
    std::string appDataPath = ".";
};

/// Created on first use, which fills the scheme table; lives until the process ends.
State& state() {
    static State instance;
    return instance;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string fileIn(const std::string& folder, std::string_view path) {
    if (path.starts_with('/'))
        path.remove_prefix(1);
    return PathName(folder, path).toString();
}

[[noreturn]] void unresolvable(const Uri& uri) {
    throw IOException(lang::Format("Unable to resolve vfs path \"{0}\"", uri.toString()));
}

Uri resolveLocked(const State& vfs, const Uri& original, const Uri& uri, int depth) {
    if (!uri.getScheme().empty() && uri.getScheme() != "vfs")
        return uri;
    if (depth > kMaxMountDepth)
        unresolvable(original);
    const std::string& path = uri.getPath();
    // Try the path itself, then each folder above it: "/a/b.lua", "/a/", "/".
    std::string prefix = path;
    auto mount = vfs.mounts.find(prefix);
    while (mount == vfs.mounts.end()) {
        if (prefix.empty())
            unresolvable(uri);
        prefix.pop_back();
        const size_t slash = prefix.rfind('/');
        prefix.resize(slash != std::string::npos ? slash + 1 : std::min<size_t>(prefix.size(), 1));
        if (prefix.empty())
            unresolvable(uri);
        mount = vfs.mounts.find(prefix);
    }
    const Uri target(mount->second.toString() + path.substr(prefix.size()));
    return resolveLocked(vfs, original, target, depth + 1);
}

} // namespace

void registerReadScheme(std::string_view name, ReadSchemeOpener opener) {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    vfs.schemes[lowerCase(name)] = std::move(opener);
}

void mount(const std::string& prefix, const Uri& target) {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    vfs.mounts.insert_or_assign(prefix, target);
}

Uri resolve(const Uri& uri) {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    return resolveLocked(vfs, uri, uri, 0);
}

lang::Ref<InputStream> openInputStream(const Uri& uri) {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    const Uri resolved = resolveLocked(vfs, uri, uri, 0);
    const auto scheme = vfs.schemes.find(resolved.getScheme());
    if (scheme == vfs.schemes.end())
        throw IOException(lang::Format("Unsupported read scheme: \"{0}\" while trying to open: \"{1}\"",
                                       resolved.getScheme(), uri.toString()));
    return scheme->second(resolved);
}

void setAppDataPath(const std::string& folder) {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    vfs.appDataPath = folder;
}

std::string getAppDataPath() {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    return vfs.appDataPath;
}

std::string getBundlePath() {
    State& vfs = state();
    lang::MutexLock lock(vfs.mutex);
    return vfs.bundlePath;
}

std::string getBundleFile(std::string_view path) { return fileIn(getBundlePath(), path); }

std::string getAppDataFile(std::string_view path) { return fileIn(getAppDataPath(), path); }

} // namespace io
