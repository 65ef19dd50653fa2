#include "movies.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <vector>

#include "canvas.h"
#include "media/ffmpeg/movie_writer.h"
#include "pixel_font.h"
#include "scenery.h"
#include "sound_output.h"

namespace morvane::demo {
namespace {

using namespace palette;

// Movies are shown stretched over the 700 x 475 scene view, whose shape this keeps; both sides
// are multiples of 4, as Cinepak and MS Video 1 need.
constexpr int kW = 320;
constexpr int kH = 216;
constexpr int kFps = 10;
constexpr int kRate = 22050;
constexpr double kPi = std::numbers::pi;

// What one movie is made of: its pictures drawn frame by frame and its sound.
struct MovieRecipe {
    const char* name;
    MovieFormat::Video video;
    MovieFormat::Sound sound;
    int frames;
    std::function<Canvas(int frame)> draw;
    std::function<void(Sound&)> make_sound;
};

std::vector<int16_t> Samples(const Sound& sound) {
    std::vector<int16_t> out;
    out.reserve(sound.Samples().size());
    for (double sample : sound.Samples()) {
        out.push_back(static_cast<int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32000.0)));
    }
    return out;
}

std::vector<uint8_t> Rgb24(const Canvas& canvas) {
    std::vector<uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(canvas.Width()) * canvas.Height() * 3);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb c = canvas.IsOpaque(x, y) ? canvas.At(x, y) : Rgb{};
            rgb.insert(rgb.end(), {c.r, c.g, c.b});
        }
    }
    return rgb;
}

void WriteMovie(const std::filesystem::path& folder, const MovieRecipe& recipe) {
    MovieFormat format;
    format.video = recipe.video;
    format.sound = recipe.sound;
    format.width = kW;
    format.height = kH;
    format.frames_per_second = kFps;
    format.sound_rate = kRate;
    Sound sound(kRate, static_cast<double>(recipe.frames) / kFps);
    recipe.make_sound(sound);
    const std::vector<int16_t> samples = Samples(sound);
    MovieWriter writer(folder / recipe.name, format);
    const std::size_t per_frame = kRate / kFps;
    for (int k = 0; k < recipe.frames; ++k) {
        writer.AddPicture(Rgb24(recipe.draw(k)));
        const std::size_t first = std::min(samples.size(), per_frame * static_cast<std::size_t>(k));
        const std::size_t count = std::min(per_frame, samples.size() - first);
        writer.AddSound(std::span<const int16_t>(samples.data() + first, count));
    }
    writer.Finish();
}

// A beam of light from (x, y) towards `angle` (0 = to the right), fading into the sky.
void Beam(Canvas& c, double x, double y, double angle, Rgb sky) {
    const double spread = 0.09;
    for (int band = 3; band >= 1; --band) {
        const double reach = 90.0 * band;
        c.FillPolygon({{x, y - 2},
                       {x + reach * std::cos(angle - spread), y + reach * std::sin(angle - spread)},
                       {x + reach * std::cos(angle + spread), y + reach * std::sin(angle + spread)},
                       {x, y + 2}},
                      Mix(kLight, sky, 0.25 * band));
    }
}

// A ship of `length` pixels with its hull's left end at (x, y).
void Ship(Canvas& c, double x, double y, double length) {
    const double s = length / 130;
    c.FillPolygon({{x, y}, {x + 130 * s, y}, {x + 112 * s, y + 24 * s}, {x + 14 * s, y + 24 * s}},
                  Rgb{70, 40, 30});
    c.FillRect(static_cast<int>(x + 62 * s), static_cast<int>(y - 90 * s),
               std::max(2, static_cast<int>(4 * s)), static_cast<int>(90 * s), kWoodDark);
    c.FillPolygon({{x + 66 * s, y - 86 * s}, {x + 118 * s, y - 10 * s}, {x + 66 * s, y - 10 * s}},
                  kWhite);
    c.FillPolygon({{x + 60 * s, y - 76 * s}, {x + 14 * s, y - 10 * s}, {x + 60 * s, y - 10 * s}},
                  Rgb{224, 220, 206});
    c.FillRect(static_cast<int>(x + 66 * s), static_cast<int>(y - 92 * s), static_cast<int>(16 * s),
               static_cast<int>(8 * s), kRed);
}

// The intro: the lighthouse at night, its beam sweeping, the title, then the storm's first
// lightning.
Canvas IntroFrame(int k) {
    Canvas c(kW, kH);
    const bool lightning = k == 46 || k == 48;
    const Rgb sky_top = lightning ? Rgb{150, 150, 190} : kNight;
    const Rgb sky_low = lightning ? Rgb{200, 190, 220} : Rgb{60, 50, 100};
    c.VerticalGradient(0, 150, sky_top, sky_low, 10);
    DrawStars(c, 120, 50, 7);
    // Storm clouds creep in from the left.
    const double cloud = -120 + 4.0 * k;
    for (int i = 0; i < 5; ++i) {
        c.FillEllipse(cloud + i * 38, 26 + (i % 2) * 10, 46, 18, Rgb{44, 44, 64});
    }
    Beam(c, 258, 66, kPi + 0.9 * std::sin(k * 0.22), sky_low);
    // The waves move: three seeds, one after another.
    DrawSea(c, 150, kH, Rgb{30, 40, 90}, kSeaDeep, 200U + static_cast<unsigned>(k / 3 % 3));
    DrawRocks(c, 200, 320, 170, 40, 8);
    DrawLighthouse(c, 258, 158, 80, 24, false);
    c.FillCircle(258, 66, 6, kLight);
    if (k >= 12) {
        DrawTextShadowed(c, "LIGHTHOUSE KEEPER", 120, 150 - std::min(k - 12, 8) * 10, 2, kGold,
                         kInk);
    }
    if (k >= 32) {
        DrawTextShadowed(c, "A STORM IS COMING", 120, 104, 1, kParchment, kInk);
    }
    return c;
}

void IntroSound(Sound& s) {
    s.Noise(0, s.Seconds(), 0.5, 0.93, 210);
    s.Swell(3, 0.7);
    const int melody[] = {72, 74, 76, 79, 77, 76};
    for (int i = 0; i < 6; ++i) {
        s.Note(0.6 + i * 0.55, 0.5, 440.0 * std::pow(2.0, (melody[i] - 69) / 12.0), 0.16,
               {1.0, 0.4, 0.2, 0.1}, 0.6);
    }
    s.Noise(4.6, 1.3, 0.9, 0.985, 211);  // thunder
    s.FadeEnds(0.1);
}

// Up the spiral stairs of the tower: the steps come down past the keeper's lantern.
Canvas StairsFrame(int k) {
    Canvas c(kW, kH);
    c.Fill(Rgb{58, 54, 60});
    // Stones of the wall, moving down as the keeper climbs.
    const int shift = (k * 6) % 24;
    for (int y = -24 + shift; y < kH; y += 24) {
        for (int x = ((y - shift) / 24 % 2 != 0) ? -20 : 0; x < kW; x += 40) {
            c.FrameRect(x, y, 40, 24, 1, Rgb{44, 40, 46});
        }
    }
    // A narrow window goes by once.
    const int window = -60 + k * 9;
    c.FillRect(40, window, 22, 46, kNight);
    c.FrameRect(38, window - 2, 26, 50, 2, Rgb{34, 30, 36});
    // The steps: wedges round the central pillar.
    for (int i = -1; i < 7; ++i) {
        const double y = kH - i * 34.0 + (k * 6) % 34;
        const double spread = 30 + 14 * i;
        c.FillPolygon({{160 - 8.0, y - 34},
                       {160 + spread + 60, y - 10},
                       {160 + spread + 60, y},
                       {160 - 8.0, y - 24}},
                      Mix(Rgb{150, 140, 130}, Rgb{70, 66, 70}, std::clamp(i / 6.0, 0.0, 1.0)));
    }
    c.FillRect(148, 0, 24, kH, Rgb{96, 90, 92});
    c.FillRect(148, 0, 6, kH, Rgb{120, 114, 112});
    // The keeper's lantern swinging in front.
    const double swing = 6 * std::sin(k * 0.7);
    c.Line(240, 0, 240 + swing, 40, 2, Rgb{30, 30, 34});
    c.FillCircle(240 + swing, 48, 14, Mix(kLight, Rgb{58, 54, 60}, 0.5));
    c.FillCircle(240 + swing, 48, 8, kLight);
    return c;
}

void StairsSound(Sound& s) {
    s.Noise(0, s.Seconds(), 0.25, 0.97, 220);
    for (int i = 0; i < 7; ++i) {
        s.Noise(0.2 + i * 0.4, 0.08, 0.8, 0.6, 221U + static_cast<unsigned>(i));
    }
    s.FadeEnds(0.05);
}

// The ship reaches the harbour under the lit lighthouse; the words come up at the end.
Canvas HarbourFrame(int k) {
    Canvas c(kW, kH);
    c.VerticalGradient(0, 120, Rgb{30, 30, 80}, Rgb{230, 150, 120}, 10);
    DrawStars(c, 60, 20, 9);
    DrawSea(c, 120, kH, Rgb{90, 90, 150}, kSeaLight, 230U + static_cast<unsigned>(k / 3 % 3));
    DrawRocks(c, 240, 320, 140, 30, 10);
    DrawLighthouse(c, 284, 128, 70, 20, true);
    // The harbour wall and its quay.
    c.FillRect(190, 168, 130, 14, Rgb{110, 104, 100});
    c.FillRect(190, 182, 130, 4, Rgb{70, 66, 64});
    const double bob = 1.5 * std::sin(k * 0.8);
    Ship(c, -70 + 5.0 * std::min(k, 42), 176 + bob, 70);
    if (k >= 34) {
        c.FillRect(40, 24, 240, 30, kParchment);
        c.FrameRect(40, 24, 240, 30, 2, kWoodDark);
        DrawTextCentred(c, "SAFE IN HARBOUR", 160, 32, 2, kInk);
    }
    return c;
}

void HarbourSound(Sound& s) {
    s.Noise(0, s.Seconds(), 0.45, 0.93, 240);
    s.Swell(2, 0.6);
    const int keys[] = {67, 72, 76, 79, 76, 79, 84};
    const double at[] = {3.4, 3.55, 3.7, 3.85, 4.15, 4.3, 4.45};
    for (int i = 0; i < 7; ++i) {
        s.Note(at[i], i == 6 ? 0.5 : 0.3, 440.0 * std::pow(2.0, (keys[i] - 69) / 12.0), 0.22,
               {1.0, 0.6, 0.4, 0.3, 0.2}, 0.5);
    }
    s.FadeEnds(0.1);
}

// A hornpipe for the last scene: a fiddle tune over a plucked bass, eight bars of 2/4 at 120
// beats a minute, as MPEG-1 Layer III (44100 samples a second).
void WriteShanty(const std::filesystem::path& file) {
    constexpr int kMp3Rate = 44100;
    constexpr double kBeat = 0.5;
    const int tune[] = {67, 69, 71, 72, 74, 72, 71, 69, 67, 71, 74, 79, 78, 76, 74, 0,
                        76, 74, 72, 71, 72, 74, 76, 72, 71, 69, 67, 71, 69, 66, 67, 0};
    const int bass[] = {43, 50, 43, 50, 48, 55, 50, 45, 43, 50, 48, 55, 50, 45, 43, 43};
    Sound s(kMp3Rate, 32 * kBeat / 2);
    for (int i = 0; i < 32; ++i) {
        if (tune[i] != 0) {
            s.Note(i * kBeat / 2, kBeat / 2 * 0.9, 440.0 * std::pow(2.0, (tune[i] - 69) / 12.0),
                   0.2, {1.0, 0.5, 0.35, 0.2, 0.1}, 0.4);
        }
    }
    for (int i = 0; i < 16; ++i) {
        s.Note(i * kBeat, kBeat * 0.8, 440.0 * std::pow(2.0, (bass[i] - 69) / 12.0), 0.22,
               {1.0, 0.3, 0.1}, 0.15);
    }
    s.FadeEnds(0.02);
    MovieFormat format;
    format.video = MovieFormat::Video::kNone;
    format.sound = MovieFormat::Sound::kMp3;
    format.sound_rate = kMp3Rate;
    MovieWriter writer(file, format);
    writer.AddSound(Samples(s));
    writer.Finish();
}

}  // namespace

void WriteMovies(const std::filesystem::path& folder) {
    using Video = MovieFormat::Video;
    using Audio = MovieFormat::Sound;
    const MovieRecipe movies[] = {
        {"intro.avi", Video::kCinepak, Audio::kImaAdpcm, 60, IntroFrame, IntroSound},
        {"stairs.avi", Video::kMsVideo1, Audio::kPcm, 30, StairsFrame, StairsSound},
        {"harbour.avi", Video::kCinepak, Audio::kPcm, 50, HarbourFrame, HarbourSound},
    };
    for (const MovieRecipe& movie : movies) {
        WriteMovie(folder, movie);
    }
    WriteShanty(folder / "shanty.mp3");
}

}  // namespace morvane::demo
