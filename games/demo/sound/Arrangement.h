#pragma once

#include "Sound.h"

#include <array>

namespace sound {

/// A note of a part: when it starts and how long it is held, in beats from the loop's start, and
/// its MIDI number.
struct Note {
    double beat;
    double beats;
    int note;
};

/// A chord by its root (a MIDI number) and whether it is minor.
struct Chord {
    int root;
    bool minor;
};

/// The chord's tones in the middle of the range, an octave or two above its root (kept above
/// the bass): root, third, fifth and octave.
std::array<int, 4> chordTones(const Chord& chord);

/// A piece of music being put together: a stereo loop of `beats` beats of `beatSeconds` each.
/// Every part is mixed in with its tail wrapping round to the start, so the loop has no seam: the
/// last bar's ringing is heard under the first.
class Arrangement {
public:
    Arrangement(double beatSeconds, double beats);

    /// The length of `beats` beats in seconds.
    double seconds(double beats) const { return beats * m_beatSeconds; }
    /// Mixes `part` in from `beat` at `gain`; a mono part is placed at `pan` (-1 left to 1 right).
    void place(const Sound& part, double beat, float gain, float pan = 0);
    /// A silent stereo bus as long as the piece, to gather a part before placing it as a whole.
    Sound bus() const { return Sound(2, m_piece.frames()); }
    /// The finished piece, normalised to the level music keeps below full scale.
    Sound finish();

private:
    double m_beatSeconds;
    Sound m_piece;
};

} // namespace sound
