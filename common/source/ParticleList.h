#pragma once

#include "Particle.h"
#include "ParticleDefinition.h"

#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

static_assert(std::is_trivially_copyable_v<Particle>, "removal copies particles over each other");

/// One list of live particles, stored by value in one block. A dead particle is replaced by the
/// last one, so removal never moves the rest (nor allocates) but changes the drawing order of the
/// survivors. Main thread only.
class ParticleList {
public:
    /// With `diesBelowGround`, a particle whose y is greater than 0 (below the ground line) dies.
    explicit ParticleList(bool diesBelowGround) : m_diesBelowGround(diesBelowGround) {}

    /// The live particles in drawing order.
    const std::vector<Particle>& particles() const { return m_particles; }
    /// The number of live particles.
    std::size_t size() const { return m_particles.size(); }
    /// Appends a particle, drawn after the others.
    void add(const Particle& particle) { m_particles.push_back(particle); }
    /// Removes every particle.
    void clear() { m_particles.clear(); }

    /// Ages every particle by `dt` seconds. One that outlived its lifetime or fell below the
    /// ground dies; the others move under their definition's gravity, spin, scale from their
    /// begin scale towards their end scale over their life, and animated ones show the frame of
    /// their age. `definitions` holds each particle's definition at its index.
    void update(float dt, std::span<const ParticleDefinition> definitions);

private:
    std::vector<Particle> m_particles;
    bool m_diesBelowGround;
};
