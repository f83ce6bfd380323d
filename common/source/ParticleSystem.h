#pragma once

#include "ParticleDefinition.h"
#include "ParticleEmitter.h"
#include "ParticleList.h"
#include "ResolvedSprite.h"

#include <array>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace game {
class Resources;
}
namespace gr {
class Context;
}

/// The three particle lists the game keeps.
enum class ParticleListKind {
    /// Particles of the game world, drawn with the camera; they die below the ground line.
    InGame,
    /// Particles of menus, in screen pixels; they never die by falling.
    Menu,
    /// Particles of the level's scenery, drawn with the camera by group; they die below ground.
    Level,
};

/// What the world's particles are drawn with: the camera's top-left corner in scene pixels and
/// the uniform world scale.
struct ParticleCamera {
    float x = 0.0f;
    float y = 0.0f;
    float worldScale = 1.0f;
};

/// The particle system without its script face: named definitions, the three lists, the limits
/// that bound how many particles an emission adds, and drawing through the graphics context.
/// Sprites are found through the resources by name; the resources and the context must outlive
/// the system, and so must `random`, the engine's generator. Main thread only.
class ParticleSystem {
public:
    /// The limits the game starts with and returns to when a level loads.
    static constexpr int kStartSoftLimit = 40;
    static constexpr float kStartSoftFactor = 0.5f;
    static constexpr int kStartHardLimit = 125;

    ParticleSystem(gr::Context& context, game::Resources& resources, std::mt19937& random);

    /// The id of the definition stored under `name`, if any.
    std::optional<ParticleDefinitionId> findDefinition(const std::string& name) const;
    /// The definition of a valid id (one `define` returned).
    const ParticleDefinition& definition(ParticleDefinitionId id) const { return m_definitions[id]; }
    /// Stores `definition` under `name`, replacing one of that name in place (its live
    /// particles take on the new one); returns its id. Raises `lang::Exception` when the table
    /// of ids is full. The definition's sprites are looked up now and at each emission.
    ParticleDefinitionId define(const std::string& name, ParticleDefinition definition);

    /// Above `count` live particles in a list, an emission is cut by `factor`.
    void setSoftLimit(int count, float factor);
    /// A list never grows beyond `count` particles by an emission that heeds the limits.
    void setHardLimit(int count);
    /// The start-up limits.
    void resetLimits();

    /// Adds `count` particles of definition `id` to `list` as `emission` places them; unless
    /// `ignoreLimits`, first cuts the count by the soft factor when the list would pass the soft
    /// limit, then to what stays within the hard limit. Sprites are looked up again, so sprites
    /// loaded since the last emission show. Returns how many were added.
    int emit(ParticleListKind list, ParticleDefinitionId id, int count, const ParticleEmission& emission,
             bool ignoreLimits);
    /// Advances `list` by `dt` seconds (see `ParticleList::update`).
    void update(ParticleListKind list, float dt);
    /// Empties one list, or all three.
    void clear(ParticleListKind list) { listOf(list).clear(); }
    void clearAll();
    /// The particles of one list.
    const ParticleList& list(ParticleListKind list) const { return m_lists[static_cast<int>(list)]; }

    /// Draws the menu list in screen pixels, each particle scaled by `menuScale` times its own
    /// scale and turned about its sprite's pivot. The render state is put back afterwards.
    void drawMenu(float menuScale);
    /// Draws the in-game or level list through `camera`: each particle's position is shifted by
    /// the camera and scaled by the world scale times its own scale, and also by its group number
    /// when that is 1 or more. With `layer` other than 0 only that group is drawn. The render
    /// state is put back afterwards.
    void drawScene(ParticleListKind list, const ParticleCamera& camera, int layer);

private:
    /// A resolved sprite name: a plain or a composite sprite, or neither when none is loaded.
    /// Counted, so a released sheet leaves sprites that draw nothing rather than dangling ones.
    ParticleList& listOf(ParticleListKind list) { return m_lists[static_cast<int>(list)]; }
    /// How many of `requested` particles a list of `live` particles takes under the limits.
    int allowance(int live, int requested) const;
    void resolveSprites(ParticleDefinitionId id);
    /// Draws `particle` with its render scale `scale`: translation -camera / divisor, position
    /// divided by `divisor`. Particles that would need a division by 0 are not drawn.
    void drawParticle(const Particle& particle, float scale, float divisor, float cameraX, float cameraY);

    gr::Context& m_context;
    game::Resources& m_resources;
    std::mt19937& m_random;
    std::array<ParticleList, 3> m_lists{ParticleList(true), ParticleList(false), ParticleList(true)};
    /// Definitions and their resolved sprites, by id; ids are never reused or removed.
    std::vector<ParticleDefinition> m_definitions;
    std::vector<std::vector<ResolvedSprite>> m_sprites;
    std::unordered_map<std::string, ParticleDefinitionId> m_ids;
    int m_softLimit = kStartSoftLimit;
    float m_softFactor = kStartSoftFactor;
    int m_hardLimit = kStartHardLimit;
};
