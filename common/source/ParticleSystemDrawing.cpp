// Drawing the particle lists through the graphics context's render state.
#include "ParticleSystem.h"

#include "game/Anchor.h"
#include "renderer/Context.h"

namespace {

constexpr game::Anchors kAtPivot{game::VerticalAnchor::VPivot, game::HorizontalAnchor::HPivot};

/// Puts the render state back as it was on every exit, so that the script's drawing after the
/// particles is not placed by the last particle's transform.
class RenderStateKeeper {
public:
    explicit RenderStateKeeper(gr::RenderState& state) : m_state(state), m_saved(state) {}
    RenderStateKeeper(const RenderStateKeeper&) = delete;
    RenderStateKeeper& operator=(const RenderStateKeeper&) = delete;
    ~RenderStateKeeper() { m_state = m_saved; }

private:
    gr::RenderState& m_state;
    gr::RenderState m_saved;
};

} // namespace

void ParticleSystem::drawMenu(float menuScale) {
    const RenderStateKeeper keeper(m_context.state());
    for (const Particle& particle : list(ParticleListKind::Menu).particles()) {
        const float scale = menuScale * particle.scale;
        drawParticle(particle, scale, scale, 0.0f, 0.0f);
    }
}

void ParticleSystem::drawScene(ParticleListKind kind, const ParticleCamera& camera, int layer) {
    const RenderStateKeeper keeper(m_context.state());
    for (const Particle& particle : list(kind).particles()) {
        if (layer != 0 && particle.layer != layer)
            continue;
        const float depth = particle.layer >= 1 ? static_cast<float>(particle.layer) : 1.0f;
        drawParticle(particle, camera.worldScale * particle.scale * depth, particle.scale, camera.x, camera.y);
    }
}

void ParticleSystem::drawParticle(const Particle& particle, float scale, float divisor, float cameraX, float cameraY) {
    const std::vector<ParticleSprite>& sprites = m_sprites[particle.definition];
    // A definition read again may have fewer sprites than its older particles were given.
    if (particle.sprite >= sprites.size() || scale == 0.0f || divisor == 0.0f)
        return;
    const ParticleSprite& shown = sprites[particle.sprite];
    gr::RenderState& state = m_context.state();
    state.translateX = -cameraX / divisor;
    state.translateY = -cameraY / divisor;
    state.scaleX = scale;
    state.scaleY = scale;
    state.setAngle(particle.angle);
    const float x = particle.x / divisor;
    const float y = particle.y / divisor;
    if (shown.sprite) {
        state.pivotX = static_cast<float>(shown.sprite->pivotX());
        state.pivotY = static_cast<float>(shown.sprite->pivotY());
        shown.sprite->draw(m_context, x, y, kAtPivot);
    } else if (shown.composite) {
        state.pivotX = static_cast<float>(shown.composite->pivotX());
        state.pivotY = static_cast<float>(shown.composite->pivotY());
        shown.composite->draw(m_context, x, y, kAtPivot);
    }
}
