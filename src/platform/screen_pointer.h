#pragma once

#include <cstdint>

#include "platform/picture.h"

namespace morvane {

// The screen's mouse pointer: a mode and a custom picture. While the mode is not the default
// it overrides every control's own pointer. Pictures are compared by identity (the shared
// decoded picture), never by content.
class ScreenPointer {
  public:
    static constexpr int kDefault = 0;
    static constexpr int kArrow = 1;
    static constexpr int kHourglass = 11;
    static constexpr int kCustom = 99;

    const PicturePtr& Picture() const { return picture_; }
    int Mode() const { return mode_; }
    bool Shows(const PicturePtr& picture) const { return picture_ == picture; }

    // Shows `picture` in custom mode unless it is already the pointer picture, so repeated
    // mouse moves over one object do not flicker. Returns whether anything changed.
    bool ShowPicture(const PicturePtr& picture);
    // Assigns picture and custom mode whatever the pointer shows.
    void AssignPicture(const PicturePtr& picture);
    void SetMode(int mode);

    // How many times the pointer was assigned; the window sets the system cursor again only
    // when this moves.
    uint64_t Assignments() const { return assignments_; }

  private:
    PicturePtr picture_;
    int mode_ = kDefault;
    uint64_t assignments_ = 0;
};

}  // namespace morvane
