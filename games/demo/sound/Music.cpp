// The background music: eight bars in C major at 120 beats a minute (16 seconds). Every note is
// mixed in with its tail wrapping round to the start, so the loop has no seam: the last bar's
// ringing is heard under the first.
#include "Instruments.h"
#include "Sounds.h"

#include <cstdint>
#include <utility>

namespace sound {

namespace {

constexpr double kBeatSeconds = 0.5;
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 8;
// MP3 has headroom to spare only below full scale: the encoder's filtering lifts peaks a little.
constexpr float kMusicPeak = 0.7f;

// A note of a part: when it starts and how long it is held, in beats from the loop's start, and
// its MIDI number.
struct Note {
    double beat;
    double beats;
    int note;
};

// The chord of each bar by its root (a bass note near C3) and whether it is minor:
// C, A minor, F, G, twice.
struct Chord {
    int root;
    bool minor;
};
const Chord kChords[kBars] = {{48, false}, {45, true}, {41, false}, {43, false},
                              {48, false}, {45, true}, {41, false}, {43, false}};

const Note kMelody[] = {
    {0, 1, 67},    {1, 0.5, 72},    {1.5, 0.5, 74},  {2, 1, 76},      {3, 1, 79},                   //
    {4, 1.5, 81},  {5.5, 0.5, 79},  {6, 1, 76},      {7, 1, 72},                                    //
    {8, 1, 77},    {9, 1, 81},      {10, 1, 84},     {11, 0.5, 81},   {11.5, 0.5, 77},              //
    {12, 1.5, 79}, {13.5, 0.5, 77}, {14, 0.5, 76},   {14.5, 0.5, 74}, {15, 1, 71},                  //
    {16, 0.5, 72}, {16.5, 0.5, 76}, {17, 1, 79},     {18, 0.5, 76},   {18.5, 0.5, 79}, {19, 1, 84}, //
    {20, 0.5, 83}, {20.5, 0.5, 81}, {21, 1, 76},     {22, 1, 81},     {23, 1, 84},                  //
    {24, 1, 81},   {25, 0.5, 79},   {25.5, 0.5, 77}, {26, 1, 76},     {27, 1, 72},                  //
    {28, 1, 74},   {29, 0.5, 76},   {29.5, 0.5, 74}, {30, 1, 71},     {31, 1, 74},
};

// Each bar's bass line as intervals above the chord's root: root, root, fifth, octave, fifth.
const Note kBassBar[] = {{0, 0.9, 0}, {1.5, 0.4, 0}, {2, 0.9, 7}, {3, 0.4, 12}, {3.5, 0.4, 7}};
// Each bar's broken chord in eighths, as indices into root, third, fifth, octave.
const int kArpeggio[] = {0, 2, 1, 2, 3, 2, 1, 2};

int framesAt(double beat) { return framesOf(beat * kBeatSeconds); }

// Mixes `part` into `music` at `beat`, wrapping past the end.
void place(Sound& music, const Sound& part, double beat, float gain, float pan) {
    music.mix(part, framesAt(beat), gain, pan, Overflow::Wrap);
}

void addMelody(Sound& music) {
    // The melody on a bus of its own, so that its echoes can be added as a whole.
    Sound melody(2, music.frames());
    for (const Note& note : kMelody)
        place(melody, lead(noteFrequency(note.note), note.beats * kBeatSeconds * 0.85), note.beat, 0.45f, 0.2f);
    music.mix(melody, 0);
    music.mix(melody, framesAt(0.75), 0.3f, 0, Overflow::Wrap);
    music.mix(melody, framesAt(1.5), 0.12f, 0, Overflow::Wrap);
}

void addBassAndChords(Sound& music) {
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kChords[bar];
        const double start = bar * kBeatsPerBar;
        for (const Note& note : kBassBar)
            place(music, bass(noteFrequency(chord.root + note.note), note.beats * kBeatSeconds), start + note.beat,
                  0.55f, 0);
        // The broken chord sits between the bass and the melody.
        const int base = chord.root + 12 < 57 ? chord.root + 24 : chord.root + 12;
        const int tones[] = {base, base + (chord.minor ? 3 : 4), base + 7, base + 12};
        for (int eighth = 0; eighth < 8; ++eighth) {
            const int tone = tones[kArpeggio[eighth]];
            place(music, pluck(noteFrequency(tone), 0.6, static_cast<std::uint32_t>(bar * 8 + eighth)),
                  start + eighth * 0.5, 0.25f, -0.45f);
        }
    }
}

void addDrums(Sound& music) {
    const Sound kickDrum = kick(), snareDrum = snare(), hat = hiHat();
    for (int bar = 0; bar < kBars; ++bar) {
        const double start = bar * kBeatsPerBar;
        place(music, kickDrum, start, 0.7f, 0);
        place(music, kickDrum, start + 2, 0.7f, 0);
        // Every fourth bar pushes into the next with an extra kick.
        if (bar % 4 == 3)
            place(music, kickDrum, start + 3.5, 0.5f, 0);
        place(music, snareDrum, start + 1, 0.35f, 0.1f);
        place(music, snareDrum, start + 3, 0.35f, 0.1f);
        for (int eighth = 0; eighth < 8; ++eighth)
            place(music, hat, start + eighth * 0.5, eighth % 2 == 0 ? 0.12f : 0.07f, 0.35f);
    }
}

} // namespace

NamedSound music() {
    Sound piece(2, framesAt(kBars * kBeatsPerBar));
    addMelody(piece);
    addBassAndChords(piece);
    addDrums(piece);
    piece.normalise(kMusicPeak);
    return {"music", std::move(piece), true};
}

} // namespace sound
