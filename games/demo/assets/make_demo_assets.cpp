// Draws every picture and synthesises every sound of the demo game "Lighthouse Keeper" into
// GAME_FOLDER/resource/gfx and GAME_FOLDER/resource/mmedia. The output depends on nothing but
// this program, so the game folder is the same on every machine.
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "gif_output.h"
#include "movies.h"
#include "pictures.h"
#include "sounds.h"

namespace morvane::demo {
namespace {

void WritePictures(const std::filesystem::path& gfx) {
    auto still = [&](const char* name, const Canvas& canvas) { WritePicture(gfx / name, canvas); };
    auto anim = [&](const char* name, const std::vector<Canvas>& frames, int delay_cs,
                    bool once = false) { WritePicture(gfx / name, frames, delay_cs, once); };

    still("shore.gif", ShoreBackground());
    still("cottage.gif", CottageBackground());
    still("tower.gif", TowerBackground());
    still("lamproom.gif", LampRoomBackground());
    still("ending.gif", EndingBackground());
    still("night.gif", NightBackground());
    still("map.gif", MapPicture());
    still("menubg.gif", MenuBackground());
    still("exit.gif", ExitPicture());
    anim("credits.gif", CreditsFrames(), 60, true);

    anim("foam.gif", FoamFrames(), 25);
    anim("door.gif", CottageDoorFrames(), 50);
    still("sign.gif", Signpost());
    anim("can.gif", OilCanGoodieFrames(), 20);
    anim("bell.gif", BellFrames(), 12, true);
    anim("gull.gif", GullFrames(), 15);
    anim("fire.gif", FireFrames(), 12);
    still("chart.gif", SeaChart());
    anim("keeper.gif", KeeperFrames(false), 150);
    anim("keeperz.gif", KeeperFrames(true), 70);
    anim("key.gif", KeyGoodieFrames(), 60);
    anim("tlamp.gif", TableLampFrames(), 10, true);
    still("doorshut.gif", TowerDoor(false));
    still("dooropen.gif", TowerDoor(true));
    anim("spray.gif", SprayFrames(), 20);
    still("lampdry.gif", DryLamp());
    anim("lamp.gif", LampFrames(), 20, true);
    anim("beam.gif", BeamFrames(), 20);
    anim("ship.gif", ShipFrames(), 40);
    anim("theend.gif", TheEndFrames(), 80);

    struct ButtonPicture {
        const char* name;
        const char* label;
        int width;
        int height;
        int scale;
    };
    const ButtonPicture buttons[] = {
        {"b_intro.gif", "INTRO", 200, 50, 3},    {"b_new.gif", "NEW GAME", 200, 50, 3},
        {"b_load.gif", "LOAD GAME", 200, 50, 3}, {"b_scene.gif", "THE LOG", 200, 50, 3},
        {"b_quit.gif", "QUIT", 200, 50, 3},      {"b_menu.gif", "MENU", 110, 36, 2},
        {"b_save.gif", "SAVE", 110, 36, 2},      {"b_exam.gif", "LOOK", 44, 48, 1},
    };
    for (const ButtonPicture& b : buttons) {
        anim(b.name, ButtonFrames(b.label, b.width, b.height, b.scale), 100);
    }

    struct ItemPictures {
        ItemLook look;
        const char* stem;
    };
    const ItemPictures items[] = {
        {ItemLook::kSealedLetter, "letter"},
        {ItemLook::kLetter, "open"},
        {ItemLook::kKey, "key"},
        {ItemLook::kOilCan, "can"},
        {ItemLook::kFlask, "flask"},
        {ItemLook::kFullCan, "canf"},
    };
    for (const ItemPictures& item : items) {
        const std::string stem = item.stem;
        WritePicture(gfx / ("it_" + stem + ".gif"), ItemIcon(item.look, 40, false));
        WritePicture(gfx / ("pt_" + stem + ".gif"), ItemIcon(item.look, 32, false));
        WritePicture(gfx / ("hl_" + stem + ".gif"), ItemIcon(item.look, 32, true));
    }
    anim("cu_env.gif", EnvelopeCloseup(), 40, true);
    anim("cu_letter.gif", LetterCloseup(), 30);

    still("ptr_hot.gif", CustomPointer(PointerLook::kHotspot));
    still("ptr_goodie.gif", CustomPointer(PointerLook::kGoodie));
    still("ptr_react.gif", CustomPointer(PointerLook::kReactor));
    const char* markers[] = {"loc_shore.gif", "loc_cott.gif", "loc_tower.gif", "loc_reef.gif"};
    for (int i = 0; i < 4; ++i) {
        anim(markers[i], LocationMarker(i + 1), 30);
    }
}

}  // namespace
}  // namespace morvane::demo

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: morvane-demo-assets GAME_FOLDER\n";
        return 1;
    }
    try {
        const std::filesystem::path game = argv[1];
        const auto gfx = game / "resource" / "gfx";
        const auto mmedia = game / "resource" / "mmedia";
        std::filesystem::create_directories(gfx);
        std::filesystem::create_directories(mmedia);
        morvane::demo::WritePictures(gfx);
        morvane::demo::WriteSounds(mmedia);
        morvane::demo::WriteMovies(mmedia);
    } catch (const std::exception& e) {
        std::cerr << "morvane-demo-assets: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
