#include <algorithm>
#include <cmath>
#include <string>

#include "pictures.h"
#include "pixel_font.h"
#include "scenery.h"

namespace morvane::demo {

using namespace palette;

std::vector<Canvas> ButtonFrames(const char* label, int width, int height, int scale) {
    // Frame 0 is the look under the pointer, frame 1 the resting look.
    std::vector<Canvas> frames;
    for (int f = 0; f < 2; ++f) {
        const bool lit = f == 0;
        Canvas c(width, height);
        c.Fill(lit ? Rgb{150, 100, 40} : Rgb{60, 40, 28});
        for (int y = 2; y < height - 2; ++y) {
            const double t = static_cast<double>(y) / height;
            c.FillRect(2, y, width - 4, 1,
                       lit ? Mix(Rgb{250, 220, 130}, Rgb{200, 140, 50}, t)
                           : Mix(Rgb{110, 80, 56}, Rgb{70, 48, 32}, t));
        }
        c.FrameRect(0, 0, width, height, 2, lit ? kGold : Rgb{40, 26, 18});
        const int top = (height - 7 * scale) / 2;
        DrawTextShadowed(c, label, width / 2, top, scale, lit ? kInk : kParchment,
                         lit ? Rgb{250, 236, 180} : kInk);
        frames.push_back(std::move(c));
    }
    return frames;
}

Canvas ItemIcon(ItemLook item, int size, bool highlighted) {
    // Drawn on a 40-unit grid and scaled to `size`.
    Canvas c(size, size);
    const double k = size / 40.0;
    auto rect = [&](double x, double y, double w, double h, Rgb colour) {
        c.FillRect(static_cast<int>(x * k), static_cast<int>(y * k),
                   std::max(1, static_cast<int>(std::lround(w * k))),
                   std::max(1, static_cast<int>(std::lround(h * k))), colour);
    };
    switch (item) {
        case ItemLook::kSealedLetter:
        case ItemLook::kLetter:
            rect(4, 10, 32, 22, kParchment);
            if (item == ItemLook::kSealedLetter) {
                c.FillPolygon({{4 * k, 10 * k}, {36 * k, 10 * k}, {20 * k, 24 * k}},
                              Rgb{214, 196, 150});
                c.FillCircle(20 * k, 23 * k, 4 * k, kRed);
            } else {
                for (int line = 0; line < 4; ++line) {
                    rect(8, 14 + line * 4, line == 3 ? 14 : 24, 1, kInk);
                }
            }
            break;
        case ItemLook::kKey:
            c.EllipseRing(11 * k, 20 * k, 6 * k, 6 * k, 3 * k, Rgb{210, 180, 60});
            rect(16, 18, 20, 4, Rgb{210, 180, 60});
            rect(28, 22, 3, 6, Rgb{210, 180, 60});
            rect(33, 22, 3, 4, Rgb{210, 180, 60});
            break;
        case ItemLook::kOilCan:
        case ItemLook::kFullCan:
            c.FillEllipse(18 * k, 26 * k, 12 * k, 10 * k, Rgb{120, 130, 140});
            c.Line(28 * k, 22 * k, 38 * k, 10 * k, 3 * k, Rgb{120, 130, 140});
            rect(14, 10, 8, 8, Rgb{90, 100, 110});
            if (item == ItemLook::kFullCan) {
                c.FillEllipse(18 * k, 29 * k, 9 * k, 5 * k, kGold);
                c.FillCircle(38 * k, 12 * k, 2 * k, kGold);
            }
            break;
        case ItemLook::kFlask:
            c.FillEllipse(20 * k, 26 * k, 11 * k, 11 * k, Rgb{120, 170, 120});
            c.FillEllipse(20 * k, 29 * k, 8 * k, 6 * k, kGold);
            rect(16, 6, 8, 10, Rgb{120, 170, 120});
            rect(15, 3, 10, 4, kWood);
            break;
    }
    c.Outline(highlighted ? Rgb{255, 255, 120} : kInk);
    if (highlighted) {
        c.Outline(Rgb{255, 200, 40});
    }
    return c;
}

std::vector<Canvas> EnvelopeCloseup() {
    // The envelope opens: the flap lifts over four frames.
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f) {
        Canvas c(400, 300);
        c.Fill(Rgb{70, 50, 36});
        c.FillRect(60, 70, 280, 170, kParchment);
        c.FrameRect(60, 70, 280, 170, 2, Rgb{170, 150, 110});
        const double tip = 170 - f * 45.0;
        c.FillPolygon({{60, 70}, {340, 70}, {200, tip}}, Rgb{214, 196, 150});
        if (f < 2) {
            c.FillCircle(200, tip - 4, 16, kRed);
        }
        if (f == 3) {
            c.FillRect(80, 30, 240, 50, kWhite);
        }
        DrawTextCentred(c, "TO THE KEEPER'S FRIEND", 200, 200, 2, kInk);
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> LetterCloseup() {
    // The letter under a flickering candle.
    std::vector<Canvas> frames;
    const char* lines[] = {"MY FRIEND,",          "THE LAMP HAS RUN DRY", "AND A STORM IS COMING.",
                           "THE OIL AND THE KEY", "ARE IN MY COTTAGE.",   "COME QUICKLY!",
                           "   - THE KEEPER"};
    for (int f = 0; f < 2; ++f) {
        Canvas c(400, 300);
        c.Fill(f == 0 ? Rgb{90, 66, 44} : Rgb{100, 74, 48});
        c.FillRect(40, 14, 320, 272, f == 0 ? kParchment : Rgb{242, 228, 186});
        for (int i = 0; i < 7; ++i) {
            DrawText(c, lines[i], 56, 30 + i * 34, 2, kInk);
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

Canvas CustomPointer(PointerLook look) {
    // An arrow whose tip is the top left pixel, with a small badge for its role.
    Canvas c(32, 32);
    c.FillPolygon({{0, 0}, {0, 22}, {6, 17}, {11, 27}, {14, 25}, {10, 16}, {17, 16}}, kWhite);
    c.Outline(kInk);
    switch (look) {
        case PointerLook::kHotspot:
            c.EllipseRing(24, 24, 6, 6, 2, kGold);
            c.FillCircle(24, 24, 2, kGold);
            break;
        case PointerLook::kGoodie:
            c.FillPolygon({{18, 24}, {24, 18}, {30, 24}, {24, 30}}, Rgb{120, 220, 120});
            break;
        case PointerLook::kReactor:
            c.FillCircle(24, 24, 6, Rgb{240, 120, 60});
            c.FillRect(23, 20, 2, 5, kWhite);
            c.FillRect(23, 26, 2, 2, kWhite);
            break;
    }
    return c;
}

std::vector<Canvas> LocationMarker(int number) {
    // A pin with a ring that pulses.
    std::vector<Canvas> frames;
    for (int f = 0; f < 3; ++f) {
        Canvas c(48, 48);
        c.EllipseRing(24, 24, 14.0 + f * 4, 14.0 + f * 4, 2, Mix(kRed, kParchment, f / 3.0));
        c.FillCircle(24, 24, 11, kRed);
        DrawTextCentred(c, std::to_string(number), 25, 18, 2, kWhite);
        frames.push_back(std::move(c));
    }
    return frames;
}

}  // namespace morvane::demo
