#pragma once

#include <optional>
#include <string>
#include <vector>

/// One file of a load group: its name (relative to the profile's folder) and its file type
/// (0 sprite sheet, 1 composite sprite set, 2 loaded by other means; the scripts' number
/// truncated toward zero).
struct LoadListEntry {
    std::string file;
    int type = 0;
};

/// Where the dynamic asset handler learns which files a load group holds: the scripts' load
/// lists, one per asset profile. Main thread only.
class AssetLoadLists {
public:
    virtual ~AssetLoadLists() = default;

    /// The asset profile the load group `group` is taken from (for example by screen size).
    virtual std::string profileFor(const std::string& group) = 0;
    /// The entries of `group` in the load list of `profile`, after making sure that list is
    /// present; nothing when the list holds no such group.
    virtual std::optional<std::vector<LoadListEntry>> entries(const std::string& profile, const std::string& group) = 0;
};
