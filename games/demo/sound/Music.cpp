// The levels' music: eight bars in C major at 120 beats a minute (16 seconds), with a lead melody
// and its echoes, a bass line, plucked broken chords and drums.
#include "Arrangement.h"
#include "Instruments.h"
#include "Sounds.h"

#include <array>
#include <cstdint>
#include <utility>

namespace sound {

namespace {

constexpr double kBeatSeconds = 0.5;
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 8;

// The chord of each bar: C, A minor, F, G, twice.
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

void addMelody(Arrangement& music) {
    // The melody on a bus of its own, so that its echoes can be added as a whole.
    Sound melody = music.bus();
    for (const Note& note : kMelody)
        melody.mix(lead(noteFrequency(note.note), music.seconds(note.beats) * 0.85), framesOf(music.seconds(note.beat)),
                   0.45f, 0.2f, Overflow::Wrap);
    music.place(melody, 0, 1);
    music.place(melody, 0.75, 0.3f);
    music.place(melody, 1.5, 0.12f);
}

void addBassAndChords(Arrangement& music) {
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kChords[bar];
        const double start = bar * kBeatsPerBar;
        for (const Note& note : kBassBar)
            music.place(bass(noteFrequency(chord.root + note.note), music.seconds(note.beats)), start + note.beat,
                        0.55f);
        // The broken chord sits between the bass and the melody.
        const std::array<int, 4> tones = chordTones(chord);
        for (int eighth = 0; eighth < 8; ++eighth) {
            const int tone = tones[kArpeggio[eighth]];
            music.place(pluck(noteFrequency(tone), 0.6, static_cast<std::uint32_t>(bar * 8 + eighth)),
                        start + eighth * 0.5, 0.25f, -0.45f);
        }
    }
}

void addDrums(Arrangement& music) {
    const Sound kickDrum = kick(), snareDrum = snare(), hat = hiHat();
    for (int bar = 0; bar < kBars; ++bar) {
        const double start = bar * kBeatsPerBar;
        music.place(kickDrum, start, 0.7f);
        music.place(kickDrum, start + 2, 0.7f);
        // Every fourth bar pushes into the next with an extra kick.
        if (bar % 4 == 3)
            music.place(kickDrum, start + 3.5, 0.5f);
        music.place(snareDrum, start + 1, 0.35f, 0.1f);
        music.place(snareDrum, start + 3, 0.35f, 0.1f);
        for (int eighth = 0; eighth < 8; ++eighth)
            music.place(hat, start + eighth * 0.5, eighth % 2 == 0 ? 0.12f : 0.07f, 0.35f);
    }
}

} // namespace

NamedSound music() {
    Arrangement piece(kBeatSeconds, kBars * kBeatsPerBar);
    addMelody(piece);
    addBassAndChords(piece);
    addDrums(piece);
    return {"music", piece.finish(), true};
}

} // namespace sound
