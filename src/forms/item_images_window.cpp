#include "forms/item_images_window.h"

namespace morvane {

namespace {

constexpr int kCell = 40;

}  // namespace

ItemImages::ItemImages(Desktop& desktop) : Window(desktop, "ItemImages") {
    // Never shown; laid out as a grid, one row per kind of picture and one column per slot, so
    // that it can be looked at while debugging.
    Move(0, 0, 16 + kSlots * kCell, 16 + 4 * kCell);
    ItemIcon.ForEach(
        [](Image& icon, int slot) { icon.Move(8 + (slot - 1) * kCell, 8, kCell, kCell); });
    ItemPoint.ForEach([](Image& pointer, int slot) {
        pointer.Move(8 + (slot - 1) * kCell, 8 + kCell, kCell, kCell);
    });
    ItemHL.ForEach([](Image& pointer, int slot) {
        pointer.Move(8 + (slot - 1) * kCell, 8 + 2 * kCell, kCell, kCell);
    });
    NoPic.Move(8, 8 + 3 * kCell, kCell, kCell);
}

}  // namespace morvane
