#pragma once

#include <vector>

#include "canvas.h"

namespace morvane::demo {

// Scene backgrounds and other full pictures (700 x 475 unless said).
Canvas ShoreBackground();
Canvas CottageBackground();
Canvas TowerBackground();
Canvas LampRoomBackground();
Canvas EndingBackground();
Canvas NightBackground();
Canvas MapPicture();
Canvas MenuBackground();  // 800 x 600
Canvas ExitPicture();     // 480 x 300
std::vector<Canvas> CreditsFrames();

// Scene object sprites; transparent around the drawing.
std::vector<Canvas> FoamFrames();
std::vector<Canvas> CottageDoorFrames();
Canvas Signpost();
std::vector<Canvas> OilCanGoodieFrames();
std::vector<Canvas> BellFrames();
std::vector<Canvas> GullFrames();
std::vector<Canvas> FireFrames();
Canvas SeaChart();
std::vector<Canvas> KeeperFrames(bool dozing);
std::vector<Canvas> KeyGoodieFrames();
std::vector<Canvas> TableLampFrames();
Canvas TowerDoor(bool open);
std::vector<Canvas> SprayFrames();
Canvas DryLamp();
std::vector<Canvas> LampFrames();
std::vector<Canvas> BeamFrames();
std::vector<Canvas> ShipFrames();
std::vector<Canvas> TheEndFrames();

// Interface pictures.
std::vector<Canvas> ButtonFrames(const char* label, int width, int height, int scale);
enum class ItemLook { kSealedLetter, kLetter, kKey, kOilCan, kFlask, kFullCan };
Canvas ItemIcon(ItemLook item, int size, bool highlighted);
std::vector<Canvas> EnvelopeCloseup();
std::vector<Canvas> LetterCloseup();
enum class PointerLook { kHotspot, kGoodie, kReactor };
Canvas CustomPointer(PointerLook look);
std::vector<Canvas> LocationMarker(int number);

}  // namespace morvane::demo
