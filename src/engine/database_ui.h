#pragma once

#include <optional>
#include <string>

#include "base/integer.h"

namespace morvane {

// What opening the databases asks of the user interface. The windows implement it; the engine
// only calls it, so the database operations run and are tested without any window.
class DatabaseUi {
  public:
    virtual ~DatabaseUi() = default;

    // A message box with the critical icon and an OK button, titled with the application title.
    virtual void ShowCriticalMessage(const std::string& text) = 0;

    // Applies one group of settings from record 1 of the open general file: 1 settings,
    // 2 interface pictures, 3 mouse pointers.
    virtual void ApplyGeneralSettings(int mode) = 0;

    // Gives every pointer 1 to 15 that received no custom picture the built-in picture of the
    // same number.
    virtual void UseBuiltInPointersWhereMissing() = 0;

    // Makes pointer 1 to 15 the current mouse pointer.
    virtual void SetMousePointer(int pointer) = 0;

    // Loads the map window's background picture (a path relative to the game folder).
    virtual void SetMapPicture(const std::string& path) = 0;

    // Sets up the map window's control for location 1 to 20: its picture (nothing for a location
    // without picture; a missing file shows the built-in file-not-found picture), its place, and
    // whether it is shown.
    virtual void SetUpMapLocation(int location, const std::optional<std::string>& picture,
                                  Integer left, Integer top, bool visible) = 0;
};

}  // namespace morvane
