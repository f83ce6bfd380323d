#include "Arrangement.h"

#include <utility>

namespace sound {

namespace {

// MP3 has headroom to spare only below full scale: the encoder's filtering lifts peaks a little.
constexpr float kMusicPeak = 0.7f;

} // namespace

std::array<int, 4> chordTones(const Chord& chord) {
    const int base = chord.root + 12 < 57 ? chord.root + 24 : chord.root + 12;
    return {base, base + (chord.minor ? 3 : 4), base + 7, base + 12};
}

Arrangement::Arrangement(double beatSeconds, double beats)
    : m_beatSeconds(beatSeconds), m_piece(2, framesOf(beats * beatSeconds)) {}

void Arrangement::place(const Sound& part, double beat, float gain, float pan) {
    m_piece.mix(part, framesOf(seconds(beat)), gain, pan, Overflow::Wrap);
}

Sound Arrangement::finish() {
    m_piece.normalise(kMusicPeak);
    return std::move(m_piece);
}

} // namespace sound
