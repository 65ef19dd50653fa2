#include <cmath>
#include <numbers>

#include "pictures.h"
#include "pixel_font.h"
#include "scenery.h"

namespace morvane::demo {

using namespace palette;

namespace {
constexpr double kPi = std::numbers::pi;
}

std::vector<Canvas> FoamFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f) {
        Canvas c(700, 40);
        // The foam starts right of the cottage, which stands on the beach.
        for (int x = 220; x < 700; ++x) {
            const double y = 20 + 8 * std::sin((x + f * 22) * 2 * kPi / 88) +
                             3 * std::sin((x - f * 13) * 2 * kPi / 37);
            c.FillRect(x, static_cast<int>(y), 1, 4, kFoam);
            if ((x + f * 7) % 23 < 9) {
                c.Set(x, static_cast<int>(y) - 2, kFoam);
            }
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> CottageDoorFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 2; ++f) {
        Canvas c(40, 64);
        c.FillRect(0, 0, 40, 64, kWoodDark);
        c.FillRect(3, 3, 34, 61, kWood);
        for (int x = 3; x < 37; x += 8) {
            c.FillRect(x, 3, 1, 61, kWoodDark);
        }
        c.FillRect(12, 10, 16, 12, f == 0 ? kGold : Rgb{240, 190, 80});  // lit pane
        c.FillCircle(31, 36, 2.5, kGold);
        frames.push_back(std::move(c));
    }
    return frames;
}

Canvas Signpost() {
    Canvas c(70, 90);
    c.FillRect(32, 20, 7, 70, kWoodDark);
    c.FillPolygon({{2, 8}, {58, 8}, {68, 20}, {58, 32}, {2, 32}}, kWood);
    c.FrameRect(2, 8, 56, 24, 1, kWoodDark);
    DrawText(c, "MAP", 14, 14, 2, kParchment);
    return c;
}

std::vector<Canvas> OilCanGoodieFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f) {
        Canvas c = ItemIcon(ItemLook::kOilCan, 40, false);
        if (f == 1 || f == 2) {
            const int size = f == 1 ? 3 : 5;
            c.FillRect(28 - size, 10, size * 2 + 1, 1, Rgb{255, 255, 255});
            c.FillRect(28, 10 - size, 1, size * 2 + 1, Rgb{255, 255, 255});
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> BellFrames() {
    std::vector<Canvas> frames;
    const double swing[] = {0, 0.35, -0.35, 0.2, -0.2, 0};
    for (double angle : swing) {
        Canvas c(60, 90);
        const double px = 30;
        const double py = 8;
        auto at = [&](double x, double y) {
            return std::pair<double, double>{px + x * std::cos(angle) - y * std::sin(angle),
                                             py + x * std::sin(angle) + y * std::cos(angle)};
        };
        c.Line(px, py, at(0, 20).first, at(0, 20).second, 3, Rgb{60, 60, 60});
        c.FillPolygon({at(-8, 20), at(8, 20), at(16, 52), at(-16, 52)}, Rgb{200, 160, 60});
        c.FillPolygon({at(4, 22), at(8, 20), at(16, 52), at(8, 52)}, Rgb{150, 110, 40});
        const auto clapper = at(-angle * 20, 58);
        c.FillCircle(clapper.first, clapper.second, 4, Rgb{80, 70, 60});
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> GullFrames() {
    std::vector<Canvas> frames;
    const double lift[] = {-10, -3, 6, -3};
    for (double wing : lift) {
        Canvas c(60, 40);
        c.Line(6, 20 + wing, 28, 22, 3, Rgb{236, 236, 236});
        c.Line(54, 20 + wing, 32, 22, 3, Rgb{236, 236, 236});
        c.Line(6, 20 + wing, 12, 19 + wing, 3, Rgb{60, 60, 70});
        c.Line(54, 20 + wing, 48, 19 + wing, 3, Rgb{60, 60, 70});
        c.FillEllipse(30, 23, 6, 4, Rgb{250, 250, 250});
        c.FillRect(34, 22, 4, 2, Rgb{240, 180, 40});
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> FireFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f) {
        Canvas c(90, 60);
        Random random(static_cast<uint32_t>(100 + f));
        c.FillRect(10, 52, 70, 8, Rgb{60, 36, 24});
        for (int i = 0; i < 6; ++i) {
            const double x = 15 + i * 12 + random.Below(5);
            const double h = 22 + random.Below(26);
            c.FillPolygon({{x - 8, 54}, {x + 8, 54}, {x + random.Below(6) - 3.0, 54 - h}},
                          Rgb{230, 90, 30});
            c.FillPolygon({{x - 4, 54}, {x + 4, 54}, {x, 54 - h * 0.6}}, kGold);
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

Canvas SeaChart() {
    Canvas c(90, 70);
    c.Fill(kWoodDark);
    c.FillRect(4, 4, 82, 62, kParchment);
    c.FillPolygon({{4, 40}, {30, 36}, {50, 50}, {60, 66}, {4, 66}}, Rgb{170, 150, 100});
    c.FillCircle(66, 22, 4, kRed);  // the reef
    c.Line(20, 40, 64, 24, 1, kInk);
    DrawText(c, "X", 62, 28, 1, kInk);
    return c;
}

std::vector<Canvas> KeeperFrames(bool dozing) {
    std::vector<Canvas> frames;
    const int count = dozing ? 3 : 2;
    for (int f = 0; f < count; ++f) {
        Canvas c(100, 150);
        // Chair back, body in a dark blue coat, white beard.
        c.FillRect(14, 40, 72, 110, kWoodDark);
        c.FillEllipse(50, 110, 34, 42, Rgb{40, 50, 90});
        c.FillRect(20, 120, 60, 30, Rgb{40, 50, 90});
        const double head_y = dozing ? 54 : 44;
        c.FillCircle(50, head_y, 20, Rgb{230, 190, 160});
        c.FillEllipse(50, head_y + 18, 18, 16, Rgb{240, 240, 236});              // beard
        c.FillRect(28, static_cast<int>(head_y) - 24, 44, 10, Rgb{30, 36, 60});  // cap
        c.FillRect(24, static_cast<int>(head_y) - 14, 52, 4, Rgb{30, 36, 60});
        if (dozing || f == 1) {
            c.FillRect(40, static_cast<int>(head_y) - 2, 7, 2, kInk);  // closed eyes
            c.FillRect(54, static_cast<int>(head_y) - 2, 7, 2, kInk);
        } else {
            c.FillCircle(44, head_y - 2, 2.5, kInk);
            c.FillCircle(57, head_y - 2, 2.5, kInk);
        }
        c.FillCircle(50, head_y + 4, 3, Rgb{210, 150, 130});
        if (dozing) {
            for (int z = 0; z <= f; ++z) {
                DrawText(c, "Z", 74 + z * 6, 28 - z * 12, 1 + z / 2, kWhite);
            }
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> KeyGoodieFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 2; ++f) {
        Canvas c(30, 44);
        c.Line(15, 0, 15, 6, 2, Rgb{60, 60, 66});
        c.EllipseRing(15, 12, 6, 6, 3, Rgb{200, 170, 60});
        c.FillRect(14, 18, 3, 22, Rgb{200, 170, 60});
        c.FillRect(17, 32, 6, 3, Rgb{200, 170, 60});
        c.FillRect(17, 37, 4, 3, Rgb{200, 170, 60});
        if (f == 1) {
            c.FillRect(9, 10, 3, 3, Rgb{255, 255, 230});
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> TableLampFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f) {
        Canvas c(40, 60);
        if (f > 0) {
            c.FillCircle(20, 24, 8.0 + 4 * f, Mix(Rgb{120, 80, 40}, kLight, 0.2 * f));
        }
        c.FillRect(10, 50, 20, 8, Rgb{160, 120, 50});
        c.FillEllipse(20, 44, 10, 8, Rgb{180, 140, 60});
        c.FillRect(14, 16, 12, 24, Mix(Rgb{140, 150, 160}, kLight, 0.3 * f));
        c.FrameRect(14, 16, 12, 24, 1, Rgb{90, 80, 60});
        if (f > 0) {
            c.FillEllipse(20, 30, 2 + f * 0.6, 4 + f, f == 3 ? kWhite : kGold);
        }
        c.FillRect(12, 12, 16, 4, Rgb{90, 80, 60});
        frames.push_back(std::move(c));
    }
    return frames;
}

Canvas TowerDoor(bool open) {
    Canvas c(50, 80);
    c.FillRect(0, 10, 50, 70, Rgb{60, 58, 56});
    c.FillEllipse(25, 14, 25, 14, Rgb{60, 58, 56});
    if (open) {
        c.FillRect(5, 14, 40, 66, Rgb{20, 14, 12});
        c.FillRect(5, 14, 8, 66, kWood);
    } else {
        c.FillRect(5, 14, 40, 66, kWood);
        c.FillEllipse(25, 16, 20, 10, kWood);
        for (int x = 12; x < 45; x += 9) {
            c.FillRect(x, 10, 1, 70, kWoodDark);
        }
        c.FillRect(5, 30, 40, 3, Rgb{50, 50, 54});
        c.FillRect(5, 60, 40, 3, Rgb{50, 50, 54});
        c.FillRect(34, 44, 6, 9, Rgb{50, 50, 54});
        c.FillRect(36, 48, 2, 4, kInk);
    }
    return c;
}

std::vector<Canvas> SprayFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 4; ++f) {
        Canvas c(160, 60);
        Random random(static_cast<uint32_t>(200 + f));
        const double height = 10 + 12 * std::sin(f * kPi / 4);
        for (int i = 0; i < 40; ++i) {
            const double x = 10 + random.Below(140);
            const double y = 55 - random.Unit() * (height + 20 * std::sin(x / 160 * kPi));
            c.FillCircle(x, y, 1.5 + random.Below(3), kFoam);
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

namespace {
// The great lamp: a brass frame around a glass lens whose glow grows with `glow` (0 to 1).
Canvas Lamp(double glow) {
    Canvas c(120, 150);
    if (glow > 0.5) {
        c.FillCircle(60, 70, 40 + 18 * glow, Mix(Rgb{160, 140, 90}, kLight, glow));
    }
    c.FillRect(40, 120, 40, 30, Rgb{150, 116, 56});
    c.FillEllipse(60, 70, 38, 52, Rgb{190, 150, 70});
    c.FillEllipse(60, 70, 30, 44, Mix(Rgb{110, 130, 150}, kLight, glow));
    for (int y = 36; y < 110; y += 12) {
        c.FillRect(32, y, 56, 2, Mix(Rgb{80, 100, 120}, Rgb{250, 220, 120}, glow));
    }
    if (glow > 0) {
        c.FillEllipse(60, 74, 6 + 8 * glow, 10 + 12 * glow, glow > 0.7 ? kWhite : kGold);
    }
    c.FillPolygon({{30, 22}, {90, 22}, {60, 2}}, Rgb{150, 116, 56});
    return c;
}
}  // namespace

Canvas DryLamp() {
    return Lamp(0);
}

std::vector<Canvas> LampFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 5; ++f) {
        frames.push_back(Lamp(f / 4.0));
    }
    return frames;
}

std::vector<Canvas> BeamFrames() {
    // Two beams turning around the lamp at (350, 130) of the sprite, seen through the panes.
    std::vector<Canvas> frames;
    for (int f = 0; f < 6; ++f) {
        Canvas c(700, 260);
        const double angle = f * kPi / 6;
        const double reach = 360 * std::cos(angle);
        const double spread = 30 + 40 * std::sin(angle);
        const Rgb beam = Mix(Rgb{70, 80, 130}, kLight, 0.55);
        c.FillPolygon(
            {{350, 124}, {350 + reach, 130 - spread}, {350 + reach, 130 + spread}, {350, 136}},
            beam);
        c.FillPolygon(
            {{350, 124}, {350 - reach, 130 - spread}, {350 - reach, 130 + spread}, {350, 136}},
            beam);
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> ShipFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 12; ++f) {
        Canvas c(700, 140);
        const double x = 40 + f * 40.0;
        const double bob = 3 * std::sin(f * kPi / 3);
        c.FillPolygon(
            {{x, 100 + bob}, {x + 130, 100 + bob}, {x + 112, 124 + bob}, {x + 14, 124 + bob}},
            Rgb{70, 40, 30});
        c.FillRect(static_cast<int>(x + 62), static_cast<int>(10 + bob), 4, 90, kWoodDark);
        c.FillPolygon({{x + 66, 14 + bob}, {x + 118, 90 + bob}, {x + 66, 90 + bob}}, kWhite);
        c.FillPolygon({{x + 60, 24 + bob}, {x + 14, 90 + bob}, {x + 60, 90 + bob}},
                      Rgb{224, 220, 206});
        c.FillRect(static_cast<int>(x + 66), static_cast<int>(8 + bob), 16, 8, kRed);
        frames.push_back(std::move(c));
    }
    return frames;
}

std::vector<Canvas> TheEndFrames() {
    std::vector<Canvas> frames;
    for (int f = 0; f < 2; ++f) {
        Canvas c(300, 70);
        c.FillRect(0, 0, 300, 70, kWoodDark);
        c.FillRect(4, 4, 292, 62, kParchment);
        DrawTextCentred(c, "THE SHIP IS SAFE", 150, 12, 2, kInk);
        DrawTextCentred(c, "THE END", 150, 36, 3, f == 0 ? kRed : kInk);
        frames.push_back(std::move(c));
    }
    return frames;
}

}  // namespace morvane::demo
