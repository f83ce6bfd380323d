#include "ParticleList.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

/// Shows the frame of the life fraction `t`: the sprites play `animationLoops` times over the
/// life, the frame number counting from 1.
void animate(Particle& particle, float t, const ParticleDefinition& definition) {
    const int sprites = static_cast<int>(definition.spriteNames.size());
    if (sprites == 0)
        return;
    const int frames = sprites * definition.animationLoops;
    const int frame = std::clamp(static_cast<int>(std::ceil(t * static_cast<float>(frames))), 1, frames);
    if (frame == particle.frame)
        return;
    particle.frame = static_cast<std::int32_t>(frame);
    particle.sprite = static_cast<std::uint16_t>((frame - 1) % sprites);
}

} // namespace

void ParticleList::update(float dt, std::span<const ParticleDefinition> definitions) {
    std::size_t i = 0;
    while (i < m_particles.size()) {
        Particle& particle = m_particles[i];
        particle.age += dt;
        if (particle.age > particle.lifetime || (m_diesBelowGround && particle.y > 0.0f)) {
            // The last particle takes the place and is updated in the next round.
            particle = m_particles.back();
            m_particles.pop_back();
            continue;
        }
        const ParticleDefinition& definition = definitions[particle.definition];
        particle.velocityX += definition.gravityX * dt;
        particle.velocityY += definition.gravityY * dt;
        particle.x += particle.velocityX * dt;
        particle.y += particle.velocityY * dt;
        particle.angle += particle.angularVelocity * dt;
        const float t = particle.lifetime > 0.0f ? particle.age / particle.lifetime : 1.0f;
        particle.scale = particle.scaleBegin + (particle.scaleEnd - particle.scaleBegin) * t;
        if (particle.animated)
            animate(particle, t, definition);
        ++i;
    }
}
