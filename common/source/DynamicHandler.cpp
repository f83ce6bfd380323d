#include "DynamicHandler.h"

#include "AssetLoadLists.h"
#include "game/Resources.h"
#include "lang/Exception.h"
#include "lang/Format.h"
#include "lang/Log.h"

#include <algorithm>
#include <utility>

namespace {

bool isRegistryType(int type) {
    return type == DynamicHandler::kSpriteSheet || type == DynamicHandler::kCompoSpriteSet;
}

} // namespace

DynamicHandler::DynamicHandler(game::Resources& resources, std::string basePath, AssetLoadLists& loadLists)
    : m_resources(resources), m_basePath(std::move(basePath)), m_loadLists(loadLists) {}

void DynamicHandler::addRequirement(const std::string& id, std::vector<std::string> groups) {
    m_requirements[id] = std::move(groups);
}

void DynamicHandler::makeCurrent(const std::string& id) {
    const auto found = m_requirements.find(id);
    if (found == m_requirements.end()) {
        LOG_WARNING("Game", "Asset requirements missing for %s", id.c_str());
        return;
    }
    if (m_current.contains(id))
        return;
    countFiles(filesOf(found->second), 1, false);
    m_current.insert(id);
}

void DynamicHandler::removeCurrent(const std::string& id, bool delayed) {
    const auto found = m_requirements.find(id);
    if (found == m_requirements.end()) {
        LOG_WARNING("Game", "Asset requirements missing for %s", id.c_str());
        return;
    }
    if (!m_current.contains(id))
        return;
    countFiles(filesOf(found->second), -1, delayed);
    m_current.erase(id);
}

void DynamicHandler::clear(bool delayed) {
    const std::set<std::string> current = m_current;
    for (const std::string& id : current)
        removeCurrent(id, delayed);
}

std::size_t DynamicHandler::loadQueued(std::optional<int> limit) {
    const std::size_t queued = m_resources.queuedLoads();
    const std::size_t count = limit ? std::min(queued, static_cast<std::size_t>(std::max(*limit, 0))) : queued;
    for (std::size_t i = 0; i < count; ++i)
        m_resources.loadNextQueued();
    return count;
}

void DynamicHandler::reload() {
    for (const auto& [file, counted] : m_fileCounts) {
        if (isRegistryType(counted.type))
            release(file, counted.type);
    }
    std::erase_if(m_fileCounts, [](const auto& entry) { return entry.second.count == 0; });
    // Composite sets find their parts among the sprites indexed when they load: sheets first.
    for (const int type : {kSpriteSheet, kCompoSpriteSet}) {
        for (const auto& [file, counted] : m_fileCounts) {
            if (counted.type != type)
                continue;
            if (type == kSpriteSheet)
                m_resources.createSpriteSheet(file);
            else
                m_resources.createCompoSpriteSet(file);
        }
    }
}

std::vector<LoadListEntry> DynamicHandler::filesOf(const std::vector<std::string>& groups) {
    // Every entry is read and checked before any count changes, so a bad load list leaves the
    // counts as they were.
    std::vector<LoadListEntry> files;
    for (const std::string& group : groups) {
        const std::string profile = m_loadLists.profileFor(group);
        const std::optional<std::vector<LoadListEntry>> entries = m_loadLists.entries(profile, group);
        if (!entries) {
            LOG_WARNING("Game", "Load group %s is empty for profile %s", group.c_str(), profile.c_str());
            continue;
        }
        for (const LoadListEntry& entry : *entries) {
            if (entry.type < kSpriteSheet || entry.type > kCountedOnly)
                throw lang::Exception(
                    lang::Format("Unrecognized file type in load group {0} in {1} loadlist: [ {2}, {3} ]", group,
                                 profile, entry.file, entry.type));
            files.push_back({m_basePath + "/" + profile + "/" + entry.file, entry.type});
        }
    }
    return files;
}

void DynamicHandler::countFiles(const std::vector<LoadListEntry>& files, int step, bool delayed) {
    for (const LoadListEntry& file : files) {
        if (step > 0) {
            FileCount& counted = m_fileCounts[file.file];
            counted.type = file.type;
            if (++counted.count == 1 && isRegistryType(file.type))
                queue(file.file, file.type);
            continue;
        }
        const auto found = m_fileCounts.find(file.file);
        // A file the load lists did not name when the requirement was loaded has nothing to give back.
        if (found == m_fileCounts.end() || found->second.count == 0)
            continue;
        if (--found->second.count > 0 || delayed)
            continue;
        if (isRegistryType(found->second.type))
            release(file.file, found->second.type);
        m_fileCounts.erase(found);
    }
}

void DynamicHandler::queue(const std::string& file, int type) {
    if (type == kSpriteSheet)
        m_resources.queueSpriteSheet(file);
    else
        m_resources.queueCompoSpriteSet(file);
}

void DynamicHandler::release(const std::string& file, int type) {
    // A file released before its turn in the queue must not be loaded afterwards.
    m_resources.dropQueued(file);
    if (type == kSpriteSheet)
        m_resources.releaseSpriteSheet(file);
    else
        m_resources.releaseCompoSpriteSet(file);
}
