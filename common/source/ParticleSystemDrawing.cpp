// Drawing the particle lists through the graphics context's render state.
#include "ParticleSystem.h"

#include "game/Anchor.h"
#include "renderer/Context.h"

void ParticleSystem::drawMenu(float menuScale) {
    // The script's drawing after the particles is not placed by the last particle's transform.
    const gr::SavedRenderState saved(m_context.state());
    for (const Particle& particle : list(ParticleListKind::Menu).particles()) {
        const float scale = menuScale * particle.scale;
        drawParticle(particle, scale, scale, 0.0f, 0.0f);
    }
}

void ParticleSystem::drawScene(ParticleListKind kind, const ParticleCamera& camera, int layer) {
    const gr::SavedRenderState saved(m_context.state());
    for (const Particle& particle : list(kind).particles()) {
        if (layer != 0 && particle.layer != layer)
            continue;
        const float depth = particle.layer >= 1 ? static_cast<float>(particle.layer) : 1.0f;
        drawParticle(particle, camera.worldScale * particle.scale * depth, particle.scale, camera.x, camera.y);
    }
}

void ParticleSystem::drawParticle(const Particle& particle, float scale, float divisor, float cameraX, float cameraY) {
    const std::vector<ResolvedSprite>& sprites = m_sprites[particle.definition];
    // A definition read again may have fewer sprites than its older particles were given.
    if (particle.sprite >= sprites.size() || scale == 0.0f || divisor == 0.0f)
        return;
    const ResolvedSprite& shown = sprites[particle.sprite];
    gr::RenderState& state = m_context.state();
    state.translateX = -cameraX / divisor;
    state.translateY = -cameraY / divisor;
    state.scaleX = scale;
    state.scaleY = scale;
    state.setAngle(particle.angle);
    const float x = particle.x / divisor;
    const float y = particle.y / divisor;
    const SpriteMeasurements measured = shown.measure();
    state.pivotX = measured.pivotX;
    state.pivotY = measured.pivotY;
    shown.draw(m_context, x, y, game::kAtPivot);
}
