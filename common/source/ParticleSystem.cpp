#include "ParticleSystem.h"

#include "game/Resources.h"
#include "lang/Exception.h"
#include "lang/Truncate.h"
#include "renderer/Context.h"

#include <limits>
#include <utility>

ParticleSystem::ParticleSystem(gr::Context& context, game::Resources& resources, std::mt19937& random)
    : m_context(context), m_resources(resources), m_random(random) {}

std::optional<ParticleDefinitionId> ParticleSystem::findDefinition(const std::string& name) const {
    const auto found = m_ids.find(name);
    if (found == m_ids.end())
        return std::nullopt;
    return found->second;
}

ParticleDefinitionId ParticleSystem::define(const std::string& name, ParticleDefinition definition) {
    if (const std::optional<ParticleDefinitionId> id = findDefinition(name)) {
        m_definitions[*id] = std::move(definition);
        resolveSprites(*id);
        return *id;
    }
    if (m_definitions.size() > std::numeric_limits<ParticleDefinitionId>::max())
        throw lang::Exception(lang::Format("Too many particle definitions to add \"{0}\"", name));
    const auto id = static_cast<ParticleDefinitionId>(m_definitions.size());
    m_definitions.push_back(std::move(definition));
    m_sprites.emplace_back();
    m_ids.emplace(name, id);
    resolveSprites(id);
    return id;
}

void ParticleSystem::setSoftLimit(int count, float factor) {
    m_softLimit = count;
    m_softFactor = factor;
}

void ParticleSystem::setHardLimit(int count) { m_hardLimit = count; }

void ParticleSystem::resetLimits() {
    setSoftLimit(kStartSoftLimit, kStartSoftFactor);
    setHardLimit(kStartHardLimit);
}

int ParticleSystem::allowance(int live, int requested) const {
    int count = requested;
    // 64-bit sums: the scripts may ask for any count.
    if (static_cast<long long>(live) + count > m_softLimit)
        count = lang::truncateTo<int>(static_cast<float>(count) * m_softFactor);
    if (static_cast<long long>(live) + count > m_hardLimit)
        count = m_hardLimit - live;
    return count;
}

int ParticleSystem::emit(ParticleListKind list, ParticleDefinitionId id, int count, const ParticleEmission& emission,
                         bool ignoreLimits) {
    ParticleList& target = listOf(list);
    if (!ignoreLimits)
        count = allowance(static_cast<int>(target.size()), count);
    if (count <= 0)
        return 0;
    resolveSprites(id);
    const ParticleDefinition& emitted = m_definitions[id];
    const ScreenSize screen{static_cast<float>(m_context.width()), static_cast<float>(m_context.height())};
    for (int i = 0; i < count; ++i)
        target.add(emitParticle(emitted, id, emission, screen, m_random));
    return count;
}

void ParticleSystem::resolveSprites(ParticleDefinitionId id) {
    std::vector<ResolvedSprite>& sprites = m_sprites[id];
    sprites.clear();
    for (const std::string& name : m_definitions[id].spriteNames)
        sprites.push_back(ResolvedSprite::find(m_resources, name));
}

void ParticleSystem::update(ParticleListKind list, float dt) { listOf(list).update(dt, m_definitions); }

void ParticleSystem::clearAll() {
    for (ParticleList& list : m_lists)
        list.clear();
}
