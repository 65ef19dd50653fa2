#include <cmath>

#include "pictures.h"
#include "pixel_font.h"
#include "scenery.h"

namespace morvane::demo {

using namespace palette;

namespace {

constexpr int kW = 700;
constexpr int kH = 475;

// Planks running across from `top` to `bottom`.
void Planks(Canvas& c, int top, int bottom, int plank, Rgb light, Rgb dark, unsigned seed) {
    Random random(seed);
    for (int y = top; y < bottom; y += plank) {
        c.FillRect(0, y, c.Width(), plank, Mix(light, dark, 0.25 * random.Unit()));
        c.FillRect(0, y + plank - 2, c.Width(), 2, dark);
        for (int x = random.Below(200); x < c.Width(); x += 150 + random.Below(150)) {
            c.FillRect(x, y, 2, plank, dark);
        }
    }
}

void Cottage(Canvas& c, int left, int base) {
    c.FillRect(left, base - 120, 170, 120, Rgb{206, 196, 170});
    c.FillRect(left + 130, base - 120, 40, 120, Rgb{170, 160, 138});
    c.FillPolygon({{left - 14.0, base - 118.0},
                   {left + 184.0, base - 118.0},
                   {left + 150.0, base - 190.0},
                   {left + 20.0, base - 190.0}},
                  Rgb{92, 56, 48});
    c.FillRect(left + 120, base - 210, 18, 40, Rgb{110, 100, 96});
    c.FillRect(left + 20, base - 95, 40, 34, kGold);  // lit window
    c.FrameRect(left + 20, base - 95, 40, 34, 3, kWoodDark);
    c.FillRect(left + 38, base - 95, 3, 34, kWoodDark);
}

}  // namespace

Canvas ShoreBackground() {
    Canvas c(kW, kH);
    c.VerticalGradient(0, 250, Rgb{44, 52, 110}, kDusk, 14);
    c.FillCircle(520, 236, 38, Rgb{250, 200, 120});  // setting sun
    DrawSea(c, 236, 345, Rgb{70, 80, 130}, kSeaLight, 11);
    // Headland with the lighthouse far off on the right.
    DrawRocks(c, 520, 700, 250, 40, 3);
    DrawLighthouse(c, 612, 216, 70, 20, false);
    // Sand and the cottage on the left.
    c.FillPolygon({{0, 330}, {700, 350}, {700, 475}, {0, 475}}, kSand);
    Random random(5);
    for (int i = 0; i < 500; ++i) {
        c.Set(random.Below(kW), 352 + random.Below(123), Rgb{190, 166, 120});
    }
    Cottage(c, 40, 346);
    // The post the bell hangs from.
    c.FillRect(540, 290, 6, 110, kWoodDark);
    c.FillRect(510, 290, 40, 6, kWoodDark);
    return c;
}

Canvas CottageBackground() {
    Canvas c(kW, kH);
    // Wooden wall in vertical boards.
    Random random(21);
    for (int x = 0; x < kW; x += 35) {
        c.FillRect(x, 0, 35, 390, Mix(kWood, kWoodDark, 0.3 * random.Unit()));
        c.FillRect(x, 0, 2, 390, kWoodDark);
    }
    Planks(c, 390, kH, 17, Rgb{140, 96, 60}, kWoodDark, 22);
    c.FillRect(0, 384, kW, 8, kWoodDark);
    // Window onto the evening sea.
    c.FillRect(420, 80, 190, 130, kNight);
    Canvas view(184, 124);
    view.VerticalGradient(0, 80, kNight, Rgb{80, 60, 110}, 6);
    DrawStars(view, 60, 20, 9);
    DrawSea(view, 80, 124, Rgb{30, 40, 80}, kSeaDeep, 12);
    DrawLighthouse(view, 140, 84, 40, 10, false);
    c.Draw(view, 423, 83);
    c.FrameRect(416, 76, 198, 138, 6, kWoodDark);
    c.FillRect(512, 76, 6, 138, kWoodDark);
    c.FillRect(416, 142, 198, 6, kWoodDark);
    // Fireplace of stone.
    c.FillRect(40, 200, 170, 190, Rgb{120, 114, 110});
    for (int y = 204; y < 386; y += 18) {
        for (int x = 44 + (y / 18 % 2) * 14; x < 206; x += 28) {
            c.FrameRect(x, y, 28, 18, 1, Rgb{90, 84, 82});
        }
    }
    c.FillRect(70, 280, 110, 110, Rgb{26, 18, 16});
    c.FillRect(30, 190, 190, 14, kWoodDark);
    // Table with a chair.
    c.FillRect(470, 330, 190, 12, kWood);
    c.FillRect(480, 342, 10, 48, kWoodDark);
    c.FillRect(640, 342, 10, 48, kWoodDark);
    // Rug.
    c.FillEllipse(350, 420, 170, 34, Rgb{128, 40, 44});
    c.EllipseRing(350, 420, 150, 26, 4, Rgb{196, 150, 70});
    // A hook for the key by the door frame.
    c.FillRect(652, 140, 14, 4, Rgb{60, 60, 66});
    return c;
}

Canvas TowerBackground() {
    Canvas c(kW, kH);
    c.VerticalGradient(0, 300, kNight, Rgb{96, 70, 120}, 12);
    DrawStars(c, 220, 70, 31);
    DrawSea(c, 300, kH, Rgb{40, 50, 96}, kSeaDeep, 32);
    DrawRocks(c, 150, 560, 430, 130, 33);
    c.FillRect(240, 405, 220, 70, kRock);
    DrawLighthouse(c, 350, 412, 290, 110, false);
    // Steps to the door.
    c.FillRect(315, 410, 70, 8, Rgb{120, 116, 112});
    c.FillRect(305, 418, 90, 8, Rgb{104, 100, 96});
    return c;
}

Canvas LampRoomBackground() {
    Canvas c(kW, kH);
    // The night outside the lantern's panes.
    c.VerticalGradient(0, 330, kNight, Rgb{50, 50, 100}, 10);
    DrawStars(c, 200, 60, 41);
    DrawSea(c, 230, 330, Rgb{24, 34, 70}, kSeaDeep, 42);
    for (int x = 0; x <= kW; x += 140) {
        c.FillRect(x - 5, 0, 10, 330, Rgb{40, 40, 46});
    }
    c.FillRect(0, 0, kW, 14, Rgb{40, 40, 46});
    // Brass railing and the iron floor.
    c.FillRect(0, 300, kW, 6, Rgb{190, 150, 70});
    for (int x = 10; x < kW; x += 30) {
        c.FillRect(x, 306, 3, 30, Rgb{150, 116, 56});
    }
    c.FillRect(0, 336, kW, 139, Rgb{60, 62, 70});
    for (int y = 346; y < kH; y += 22) {
        c.FillRect(0, y, kW, 2, Rgb{44, 46, 52});
    }
    // The lamp's pedestal.
    c.FillRect(320, 320, 60, 40, Rgb{90, 90, 98});
    c.FillRect(300, 356, 100, 12, Rgb{70, 70, 78});
    return c;
}

Canvas EndingBackground() {
    Canvas c(kW, kH);
    c.VerticalGradient(0, 260, Rgb{30, 30, 80}, Rgb{230, 150, 120}, 14);
    DrawStars(c, 120, 30, 51);
    DrawSea(c, 260, kH, Rgb{90, 90, 150}, kSeaLight, 52);
    DrawRocks(c, 520, 700, 300, 70, 53);
    DrawLighthouse(c, 610, 250, 150, 44, true);
    return c;
}

Canvas NightBackground() {
    Canvas c(kW, kH);
    c.VerticalGradient(0, 280, Rgb{8, 10, 30}, Rgb{40, 40, 90}, 12);
    DrawStars(c, 260, 120, 61);
    c.FillCircle(120, 90, 30, Rgb{240, 236, 210});
    c.FillCircle(132, 84, 26, Rgb{8, 10, 30});
    DrawSea(c, 280, kH, Rgb{20, 30, 70}, kSeaDeep, 62);
    DrawRocks(c, 480, 700, 320, 80, 63);
    DrawLighthouse(c, 590, 270, 170, 46, true);
    DrawTextShadowed(c, "THE KEEPER'S LOG", 260, 190, 3, kParchment, kInk);
    return c;
}

Canvas MapPicture() {
    Canvas c(kW, kH);
    c.Fill(kParchment);
    Random random(71);
    for (int i = 0; i < 900; ++i) {
        c.Set(random.Below(kW), random.Below(kH), Rgb{220, 200, 150});
    }
    // The sea in the north and east, the land in the south-west.
    c.FillPolygon({{0, 0},
                   {700, 0},
                   {700, 475},
                   {540, 475},
                   {470, 330},
                   {520, 250},
                   {380, 230},
                   {300, 280},
                   {180, 240},
                   {0, 260}},
                  Rgb{170, 200, 210});
    for (int y = 20; y < 240; y += 26) {
        for (int x = 20 + (y % 52); x < 680; x += 70) {
            c.Line(x, y, x + 10, y - 4, 2, Rgb{120, 150, 170});
            c.Line(x + 10, y - 4, x + 20, y, 2, Rgb{120, 150, 170});
        }
    }
    c.FrameRect(8, 8, kW - 16, kH - 16, 4, kInk);
    DrawText(c, "THE COAST", 30, 430, 3, kInk);
    // A compass rose.
    c.FillPolygon({{640, 60}, {648, 90}, {640, 120}, {632, 90}}, kInk);
    c.FillPolygon({{610, 90}, {640, 82}, {670, 90}, {640, 98}}, kInk);
    DrawText(c, "N", 636, 42, 2, kInk);
    return c;
}

Canvas MenuBackground() {
    Canvas c(800, 600);
    c.VerticalGradient(0, 380, Rgb{10, 14, 40}, Rgb{120, 70, 110}, 16);
    DrawStars(c, 300, 140, 81);
    DrawSea(c, 380, 600, Rgb{30, 40, 90}, kSeaDeep, 82);
    DrawRocks(c, 560, 800, 420, 90, 83);
    DrawLighthouse(c, 680, 370, 160, 50, true);
    DrawTextShadowed(c, "LIGHTHOUSE KEEPER", 400, 60, 5, kGold, kInk);
    DrawTextShadowed(c, "A MORVANE DEMO GAME", 400, 118, 2, kParchment, kInk);
    return c;
}

Canvas ExitPicture() {
    Canvas c(480, 300);
    c.VerticalGradient(0, 300, kNight, Rgb{70, 60, 120}, 10);
    DrawStars(c, 200, 50, 91);
    DrawLighthouse(c, 400, 290, 150, 40, true);
    DrawTextShadowed(c, "THANK YOU", 190, 190, 4, kGold, kInk);
    DrawTextShadowed(c, "FOR PLAYING", 190, 236, 3, kParchment, kInk);
    c.FrameRect(0, 0, 480, 300, 4, kGold);
    return c;
}

std::vector<Canvas> CreditsFrames() {
    std::vector<Canvas> frames;
    const char* lines[] = {"MORVANE", "PRESENTS", "LIGHTHOUSE KEEPER"};
    for (int step = 0; step < 4; ++step) {
        Canvas c(420, 180);
        c.Fill(Rgb{8, 10, 30});
        for (int i = 0; i < step && i < 3; ++i) {
            DrawTextCentred(c, lines[i], 210, 24 + i * 50, i == 2 ? 3 : 4,
                            i == 2 ? kGold : kParchment);
        }
        frames.push_back(std::move(c));
    }
    return frames;
}

}  // namespace morvane::demo
