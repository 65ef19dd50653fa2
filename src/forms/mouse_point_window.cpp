#include "forms/mouse_point_window.h"

#include <string>

#include "platform/builtin_pictures.h"

namespace morvane {

namespace {

constexpr int kColumn = 52;
constexpr int kPictureSize = 32;

int ColumnLeft(int index) {
    return 8 + (index - 1) * kColumn;
}

}  // namespace

MousePoint::MousePoint(Desktop& desktop) : Window(desktop, "MousePoint") {
    // Never shown; one column per pointer: the picture in use, the built-in one, the role.
    Move(0, 0, 16 + kPointers * kColumn, 120);
    Pointer.ForEach([](Image& picture, int index) {
        picture.Move(ColumnLeft(index), 8, kPictureSize, kPictureSize);
    });
    Defaults.ForEach([](Image& picture, int index) {
        picture.Move(ColumnLeft(index), 48, kPictureSize, kPictureSize);
    });
    PointerCaption.ForEach([](Label& caption, int index) {
        caption.Move(ColumnLeft(index), 88, kColumn, 16);
        caption.SetCaption(std::string(BuiltInPictures::PointerCaption(index)));
    });
}

}  // namespace morvane
