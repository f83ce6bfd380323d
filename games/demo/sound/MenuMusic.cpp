// The menus' music: eight calm bars in F major at 80 beats a minute (24 seconds): pads holding
// the chords, a slow bell melody, plucked chord tones rising in quarters and a soft bass.
#include "Arrangement.h"
#include "Instruments.h"
#include "Sounds.h"

#include <array>
#include <cstdint>

namespace sound {

namespace {

constexpr double kBeatSeconds = 0.75;
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 8;

// F, D minor, B flat, C, then F, D minor, G minor, C.
const Chord kChords[kBars] = {{53, false}, {50, true}, {46, false}, {48, false},
                              {53, false}, {50, true}, {43, true},  {48, false}};

// The bells: one phrase over the first four bars, and its answer, reaching higher, over the rest.
const Note kMelody[] = {
    {0, 1.5, 81},  {1.5, 0.5, 79},  {2, 1, 77},    {3, 1, 72},     //
    {4, 1, 74},    {5, 1, 77},      {6, 1.5, 81},  {7.5, 0.5, 79}, //
    {8, 1, 77},    {9, 1, 74},      {10, 1, 77},   {11, 1, 79},    //
    {12, 1.5, 79}, {13.5, 0.5, 76}, {14, 2, 72},                   //
    {16, 1, 81},   {17, 1, 84},     {18, 1, 86},   {19, 1, 84},    //
    {20, 1, 81},   {21.5, 0.5, 77}, {22, 2, 74},                   //
    {24, 1, 79},   {25, 1, 82},     {26, 1, 79},   {27, 1, 74},    //
    {28, 1, 76},   {29, 1, 79},     {30, 1.5, 72}, {31.5, 0.5, 76},
};

void addChords(Arrangement& music) {
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kChords[bar];
        const double start = bar * kBeatsPerBar;
        const std::array<int, 4> tones = chordTones(chord);
        for (int i = 0; i < 3; ++i)
            music.place(pad(noteFrequency(tones[i]), music.seconds(kBeatsPerBar) * 0.9), start, 0.18f,
                        -0.3f + 0.3f * i);
        for (int beat = 0; beat < kBeatsPerBar; ++beat)
            music.place(pluck(noteFrequency(tones[beat]), 1.0, static_cast<std::uint32_t>(300 + bar * 4 + beat)),
                        start + beat, 0.2f, -0.5f);
        music.place(bass(noteFrequency(chord.root), music.seconds(1.8)), start, 0.4f);
        music.place(bass(noteFrequency(chord.root + 7), music.seconds(1.8)), start + 2, 0.3f);
    }
}

void addBells(Arrangement& music) {
    for (const Note& note : kMelody)
        music.place(bell(noteFrequency(note.note), 1.5 + music.seconds(note.beats)), note.beat, 0.35f, 0.25f);
}

} // namespace

NamedSound menuMusic() {
    Arrangement piece(kBeatSeconds, kBars * kBeatsPerBar);
    addChords(piece);
    addBells(piece);
    return {"music_menu", piece.finish(), true};
}

} // namespace sound
