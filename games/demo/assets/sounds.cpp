#include "sounds.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "sound_output.h"

namespace morvane::demo {
namespace {

constexpr int kFx = 22050;    // effects keep their edges
constexpr int kLoop = 11025;  // long ambience and music need no high notes

double Hz(int midi_key) {
    return 440.0 * std::pow(2.0, (midi_key - 69) / 12.0);
}

const std::vector<double> kPure{1.0};
const std::vector<double> kWarm{1.0, 0.4, 0.2, 0.1};
const std::vector<double> kBright{1.0, 0.6, 0.4, 0.3, 0.2};
const std::vector<double> kBell{1.0, 0.0, 0.5, 0.0, 0.0, 0.35, 0.0, 0.2};

struct Recipe {
    const char* name;
    int rate;
    double seconds;
    std::function<void(Sound&)> make;
};

// A keeper's voice: syllables of a buzzy tone gliding around a speaking pitch.
void Voice(Sound& s, double base, const std::vector<int>& steps, unsigned seed) {
    Random random(seed);
    double t = 0.05;
    for (int step : steps) {
        const double length = 0.09 + random.Below(6) * 0.015;
        const double f = base * std::pow(2.0, step / 12.0);
        s.Note(t, length, f, 0.28, {1.0, 0.7, 0.5, 0.4, 0.3, 0.2}, 0.3);
        t += length + 0.03;
    }
}

std::vector<Recipe> Recipes() {
    return {
        {"click.wav", kFx, 0.05, [](Sound& s) { s.Note(0, 0.04, 1800, 0.5, kPure, 0.01); }},
        {"hover.wav", kFx, 0.08, [](Sound& s) { s.Note(0, 0.07, Hz(84), 0.25, kWarm, 0.03); }},
        {"nope.wav", kFx, 0.35,
         [](Sound& s) {
             s.Note(0, 0.14, 140, 0.45, kBright, 0.2);
             s.Note(0.17, 0.16, 120, 0.45, kBright, 0.2);
         }},
        {"full.wav", kFx, 0.5,
         [](Sound& s) {
             for (int i = 0; i < 3; ++i) {
                 s.Note(i * 0.14, 0.14, Hz(72 - 4 * i), 0.4, kWarm, 0.15);
             }
         }},
        {"pickup.wav", kFx, 0.4,
         [](Sound& s) {
             for (int i = 0; i < 4; ++i) {
                 s.Note(i * 0.07, 0.2, Hz(72 + 4 * i - (i == 3 ? 1 : 0)), 0.35, kWarm, 0.1);
             }
         }},
        {"chime.wav", kFx, 1.0,
         [](Sound& s) {
             s.Note(0, 0.9, Hz(79), 0.3, kBell, 0.3);
             s.Note(0.15, 0.85, Hz(84), 0.3, kBell, 0.3);
         }},
        {"gift.wav", kFx, 1.0,
         [](Sound& s) {
             const int keys[] = {67, 72, 76, 79};
             for (int i = 0; i < 4; ++i) {
                 s.Note(i * 0.12, 0.6, Hz(keys[i]), 0.25, kBell, 0.25);
             }
         }},
        {"bell.wav", kFx, 1.6,
         [](Sound& s) {
             s.Note(0, 1.6, 520, 0.35, kBell, 0.6);
             s.Note(0.55, 1.05, 520, 0.25, kBell, 0.5);
         }},
        {"creak.wav", kFx, 0.7, [](Sound& s) { s.Glide(0, 0.65, 320, 520, 0.35); }},
        {"paper.wav", kFx, 0.45,
         [](Sound& s) {
             s.Noise(0, 0.18, 0.6, 0.1, 7);
             s.Noise(0.2, 0.22, 0.5, 0.2, 8);
         }},
        {"steps.wav", kFx, 0.9,
         [](Sound& s) {
             for (int i = 0; i < 4; ++i) {
                 s.Noise(i * 0.22, 0.08, 0.9, 0.85, 20U + static_cast<unsigned>(i));
                 s.Note(i * 0.22, 0.08, 90, 0.3, kPure, 0.03);
             }
         }},
        {"jingle.wav", kFx, 0.6,
         [](Sound& s) {
             const double f[] = {2400, 3100, 2750, 3500, 2600};
             for (int i = 0; i < 5; ++i) {
                 s.Note(i * 0.08, 0.25, f[i], 0.15, {1.0, 0.0, 0.3}, 0.06);
             }
         }},
        {"locked.wav", kFx, 0.45,
         [](Sound& s) {
             for (int i = 0; i < 5; ++i) {
                 s.Noise(i * 0.08, 0.04, 0.9, 0.5, 30U + static_cast<unsigned>(i));
                 s.Note(i * 0.08, 0.04, 300, 0.2, kBright, 0.02);
             }
         }},
        {"unlock.wav", kFx, 0.5,
         [](Sound& s) {
             s.Noise(0, 0.06, 0.9, 0.6, 40);
             s.Note(0.18, 0.2, 180, 0.5, kBright, 0.05);
             s.Noise(0.18, 0.08, 0.8, 0.7, 41);
         }},
        {"pour.wav", kFx, 1.0,
         [](Sound& s) {
             for (int i = 0; i < 9; ++i) {
                 s.Glide(i * 0.1, 0.09, 300 + i * 40, 700 + i * 40, 0.25);
             }
             s.Noise(0, 1.0, 0.3, 0.9, 50);
         }},
        {"ignite.wav", kFx, 0.8,
         [](Sound& s) {
             s.Noise(0, 0.8, 0.8, 0.6, 60);
             s.Glide(0.1, 0.6, 80, 160, 0.3);
         }},
        {"snuff.wav", kFx, 0.3, [](Sound& s) { s.Noise(0, 0.3, 0.6, 0.4, 61); }},
        {"switch.wav", kFx, 0.12,
         [](Sound& s) {
             s.Noise(0, 0.03, 0.9, 0.3, 62);
             s.Note(0.04, 0.06, 900, 0.3, kPure, 0.02);
         }},
        {"horn.wav", kFx, 2.2,
         [](Sound& s) {
             s.Note(0, 1.0, 98, 0.5, {1.0, 0.8, 0.6, 0.5, 0.3, 0.2}, 3.0);
             s.Note(1.1, 1.0, 82, 0.5, {1.0, 0.8, 0.6, 0.5, 0.3, 0.2}, 3.0);
         }},
        {"gull.wav", kFx, 0.9,
         [](Sound& s) {
             s.Glide(0, 0.3, 1400, 900, 0.3);
             s.Glide(0.35, 0.25, 1500, 950, 0.3);
             s.Glide(0.65, 0.2, 1300, 1000, 0.25);
         }},
        {"hmm.wav", kFx, 0.7,
         [](Sound& s) {
             Voice(s, 110, {0, -2}, 70);
         }},
        {"snore.wav", kFx, 1.6,
         [](Sound& s) {
             s.Noise(0, 0.8, 0.6, 0.95, 71);
             s.Note(0, 0.8, 60, 0.3, kBright, 1.0);
             s.Noise(0.9, 0.6, 0.3, 0.7, 72);
         }},
        {"talk1.wav", kFx, 1.2,
         [](Sound& s) {
             Voice(s, 150, {0, 2, 4, 2, 0, 5, 4}, 80);
         }},
        {"talk2.wav", kFx, 1.2,
         [](Sound& s) {
             Voice(s, 120, {0, -1, -3, 0, -5, -7}, 81);
         }},
        {"talk3.wav", kFx, 0.8,
         [](Sound& s) {
             Voice(s, 150, {4, 2, 0, -3}, 82);
         }},
        {"tap.wav", kFx, 0.3,
         [](Sound& s) {
             s.Note(0, 0.25, 700, 0.4, {1.0, 0.0, 0.5}, 0.05);
             s.Note(0.12, 0.15, 700, 0.3, {1.0, 0.0, 0.5}, 0.05);
         }},
        {"slosh.wav", kFx, 0.6,
         [](Sound& s) {
             s.Noise(0, 0.3, 0.6, 0.9, 90);
             s.Noise(0.28, 0.3, 0.5, 0.9, 91);
         }},
        {"fanfare.wav", kFx, 1.8,
         [](Sound& s) {
             const int keys[] = {67, 72, 76, 79, 76, 79};
             const double at[] = {0, 0.15, 0.3, 0.45, 0.75, 0.9};
             for (int i = 0; i < 6; ++i) {
                 s.Note(at[i], i == 5 ? 0.9 : 0.3, Hz(keys[i]), 0.25, kBright, 0.5);
             }
         }},
        // Loops: they begin and end quietly so that they join without a click.
        {"waves.wav", kLoop, 4.0,
         [](Sound& s) {
             s.Noise(0, 4.0, 0.9, 0.93, 100);
             s.Swell(2, 0.8);
             s.FadeEnds(0.05);
         }},
        {"wind.wav", kLoop, 3.0,
         [](Sound& s) {
             s.Noise(0, 3.0, 0.7, 0.97, 101);
             s.Glide(0, 3.0, 300, 420, 0.04);
             s.FadeEnds(0.05);
         }},
        {"fire.wav", kLoop, 3.0,
         [](Sound& s) {
             s.Noise(0, 3.0, 0.3, 0.96, 102);
             Random random(103);
             for (int i = 0; i < 24; ++i) {
                 s.Noise(random.Unit() * 2.9, 0.02, 0.9, 0.2, 104U + static_cast<unsigned>(i));
             }
             s.FadeEnds(0.05);
         }},
        {"theme.wav", kLoop, 8.0,
         [](Sound& s) {
             // A slow lullaby over two chords, two bars of four beats at 60 per minute.
             const int melody[] = {72, 74, 76, 79, 77, 76, 74, 72};
             for (int i = 0; i < 8; ++i) {
                 s.Note(i * 1.0, 0.95, Hz(melody[i]), 0.16, kWarm, 0.8);
             }
             const int chords[2][3] = {{48, 55, 64}, {53, 57, 65}};
             for (int bar = 0; bar < 2; ++bar) {
                 for (int key : chords[bar]) {
                     s.Note(bar * 4.0, 3.95, Hz(key), 0.08, kWarm, 3.0);
                 }
             }
             s.FadeEnds(0.02);
         }},
    };
}

std::vector<MidiNote> Tune(const std::vector<int>& melody, const std::vector<int>& bass,
                           int beats_per_note, int bass_beats) {
    std::vector<MidiNote> notes;
    for (std::size_t i = 0; i < melody.size(); ++i) {
        if (melody[i] > 0) {
            notes.push_back(MidiNote{0, melody[i], static_cast<double>(i) * beats_per_note,
                                     beats_per_note * 0.95, 80});
        }
    }
    for (std::size_t i = 0; i < bass.size(); ++i) {
        notes.push_back(
            MidiNote{1, bass[i], static_cast<double>(i) * bass_beats, bass_beats * 0.95, 60});
    }
    return notes;
}

}  // namespace

void WriteSounds(const std::filesystem::path& folder) {
    for (const Recipe& recipe : Recipes()) {
        Sound sound(recipe.rate, recipe.seconds);
        recipe.make(sound);
        WriteWav(folder / recipe.name, sound);
    }
    // The menu waltz: flute over strings, in 3/4.
    WriteMidi(folder / "menu.mid", 96, {{0, 73}, {1, 48}},
              Tune({67, 72, 76, 74, 72, 69, 67, 69, 72, 71, 67, 0,
                    67, 72, 76, 79, 77, 76, 74, 72, 71, 72, 0,  0},
                   {48, 53, 43, 48, 48, 53, 43, 48}, 1, 3));
    // The cottage tune: a music box over a soft organ.
    WriteMidi(folder / "cottage.mid", 80, {{0, 10}, {1, 19}},
              Tune({76, 74, 72, 74, 76, 76, 76, 0, 74, 74, 74, 0, 76, 79, 79, 0}, {48, 55, 48, 55},
                   1, 4));
}

}  // namespace morvane::demo
