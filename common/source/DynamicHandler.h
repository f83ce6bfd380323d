#pragma once

#include "AssetLoadLists.h"

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace game {
class Resources;
}

/// Loads and releases the assets of named requirements while the game runs. A requirement is
/// a list of load groups; a group's files come from the load list of the asset profile chosen
/// for it. Every file is counted over the current requirements: sprite sheets (type 0) and
/// composite sprite sets (type 1) are queued in the resource registry when first needed and
/// released there when nothing needs them any more; type 2 files are only counted. Unknown
/// requirements and empty groups are logged and skipped. Main thread only.
class DynamicHandler {
public:
    /// File types of the load lists.
    static constexpr int kSpriteSheet = 0;
    static constexpr int kCompoSpriteSet = 1;
    static constexpr int kCountedOnly = 2;

    /// Files are `basePath` + "/" + profile + "/" + the load list's name. `resources` and
    /// `loadLists` must outlive the handler.
    DynamicHandler(game::Resources& resources, std::string basePath, AssetLoadLists& loadLists);

    /// Makes `groups` the load groups of requirement `id` (replacing what it had).
    void addRequirement(const std::string& id, std::vector<std::string> groups);
    /// Makes requirement `id` current: its files are counted, new ones queued. Nothing for a
    /// current one. Raises "Unrecognized file type in load group {0} in {1} loadlist: [ {2}, {3} ]"
    /// for a type outside 0 to 2.
    void makeCurrent(const std::string& id);
    /// Takes requirement `id` out of the current ones: its files' counts fall, and files no
    /// longer needed are released, unless `delayed` (then they stay loaded).
    void removeCurrent(const std::string& id, bool delayed);
    /// Takes out every current requirement.
    void clear(bool delayed);
    /// Works off `limit` queued loads (all of them without a limit) and returns how many that
    /// meant: the queue length when the limit is larger or absent, 0 for a negative one.
    std::size_t loadQueued(std::optional<int> limit);
    /// Releases every counted sheet and set and loads again those still needed; those left
    /// loaded by a delayed release are released for good.
    void reload();

private:
    /// A file's count over the current requirements and its file type.
    struct FileCount {
        int count = 0;
        int type = 0;
    };

    /// The files of `groups` by full name, each group from the profile chosen for it. Raises
    /// for a bad file type before anything is counted.
    std::vector<LoadListEntry> filesOf(const std::vector<std::string>& groups);
    /// Counts (`step` 1) or uncounts (`step` -1) `files`, queueing what becomes needed and
    /// releasing what is no longer needed unless `delayed`.
    void countFiles(const std::vector<LoadListEntry>& files, int step, bool delayed);
    void queue(const std::string& file, int type);
    void release(const std::string& file, int type);

    game::Resources& m_resources;
    std::string m_basePath;
    AssetLoadLists& m_loadLists;
    std::map<std::string, std::vector<std::string>> m_requirements;
    std::set<std::string> m_current;
    std::map<std::string, FileCount> m_fileCounts;
};
