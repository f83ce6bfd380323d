// The sounds of the game's moments and menus: the jingles of a level won and lost, a star awarded,
// and the click of a button.
#include "Effect.h"
#include "Envelope.h"
#include "Instruments.h"
#include "Oscillator.h"
#include "Sounds.h"

#include <cmath>

namespace sound {

namespace {

// The level won: a rising C major arpeggio on the lead, then the octave held over a plucked chord
// and a glockenspiel's sparkle.
Sound winJingle() {
    Sound sound(1, framesOf(2.0));
    const int arpeggio[] = {60, 64, 67};
    const double step = 0.11;
    for (int i = 0; i < 3; ++i)
        sound.mix(lead(noteFrequency(arpeggio[i] + 12), step * 0.9), framesOf(i * step), 0.8f);
    const double chordAt = 3 * step;
    sound.mix(lead(noteFrequency(84), 0.9), framesOf(chordAt));
    for (const int note : {60, 64, 67, 72})
        sound.mix(pluck(noteFrequency(note), 1.4, note), framesOf(chordAt + 0.012 * (note - 60)), 0.45f);
    for (const int note : {84, 88, 91, 96})
        sound.mix(bell(noteFrequency(note), 1.2), framesOf(chordAt + 0.05 * (note - 84) / 4.0), 0.25f);
    sound.fadeOut(0.1);
    return normalised(sound);
}

// The level lost: the lead sinks by semitones, the last note long and drooping, over a plucked
// minor chord.
Sound loseJingle() {
    Sound sound(1, framesOf(2.2));
    const int falling[] = {67, 66, 65};
    const double step = 0.3;
    for (int i = 0; i < 3; ++i)
        sound.mix(lead(noteFrequency(falling[i]), step * 0.8), framesOf(i * step), 0.8f);
    const double lastAt = 3 * step;
    Oscillator sinking(Waveform::Triangle), wobble(Waveform::Sine);
    const Sound droop = Sound::generate(1.2, [&](double t) {
        const double pitch = noteFrequency(64) * std::pow(2.0, -t / 1.2 * 0.25) * (1 + 0.012 * wobble.next(5));
        return sinking.next(pitch) * adsr(t, 0.9, 0.02, 0.3, 0.7f, 0.3);
    });
    sound.mix(droop, framesOf(lastAt), 0.7f);
    for (const int note : {52, 55, 59})
        sound.mix(pluck(noteFrequency(note), 1.2, note), framesOf(lastAt + 0.015 * (note - 52)), 0.35f);
    sound.fadeOut(0.1);
    return normalised(sound);
}

// A star awarded: two bell strikes a fifth apart with a sparkle an octave above.
Sound starChime() {
    Sound sound(1, framesOf(0.9));
    sound.mix(bell(noteFrequency(84), 0.9), 0);
    sound.mix(bell(noteFrequency(91), 0.8), framesOf(0.07), 0.8f);
    sound.mix(bell(noteFrequency(96), 0.6), framesOf(0.14), 0.4f);
    sound.fadeOut(0.05);
    return normalised(sound);
}

// A button's click: a short woody tick over a soft, quickly damped tone.
Sound click() {
    Sound sound = modalHit({{1800, 0.008, 1}, {3400, 0.005, 0.5}, {650, 0.02, 0.6}}, 0.12);
    sound.mix(noiseBurst(0.12, 4000, 1.2, 0.003, 157), 0, 0.8f);
    return normalised(sound);
}

} // namespace

std::vector<NamedSound> jingleSounds() {
    return {{"win", winJingle(), false},
            {"lose", loseJingle(), false},
            {"star", starChime(), false},
            {"click", click(), false}};
}

} // namespace sound
