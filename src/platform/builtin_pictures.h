#pragma once

#include <array>
#include <string_view>

#include "platform/picture.h"
#include "platform/pointer_roles.h"

namespace morvane {

// Pictures shown in place of one that cannot be shown.
enum class BuiltIn {
    kFileNotFound,   // FNF: the picture file is missing or unreadable
    kUnknownObject,  // UnknownObject: an object of a kind the player does not know
    kNoPicture,      // NoPic: an object that names no picture
};

// The pictures the player draws itself: the default pointers Defaults(1..15) (32 x 32, each
// with a hot spot where it points) and the placeholders. One instance, owned by the player's
// context, makes each picture once; every call returns the same shared picture, so comparing
// pointers by identity works.
class BuiltInPictures {
  public:
    static constexpr int kPointerCount = 15;
    static constexpr int kPointerSize = 32;
    static constexpr int kPlaceholderSize = 64;

    BuiltInPictures();

    // Defaults(n), n from 1 to 15; anything else is run-time error 9.
    PicturePtr Defaults(int n) const;
    PicturePtr Defaults(PointerRole role) const { return Defaults(static_cast<int>(role)); }
    PicturePtr BuiltInPicture(BuiltIn which) const;

    // The caption shown next to pointer n in the pointer window ("UP", "WAIT", ...).
    static std::string_view PointerCaption(int n);

  private:
    std::array<PicturePtr, kPointerCount> pointers_;
    std::array<PicturePtr, 3> placeholders_;
};

}  // namespace morvane
