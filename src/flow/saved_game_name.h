#pragma once

#include <string>
#include <string_view>

namespace morvane {

// What a name typed in the save dialog becomes.
struct SaveFileName {
    enum class Verdict {
        kOk,
        // Empty, the box's own "Filename", or nothing left before ".sav".
        kMissing,
        // A name that would reach outside the saved-games folder or that no file system takes:
        // separators, "..", drive letters, the characters \ / : * ? " < > | and control codes.
        kForbidden,
    };
    Verdict verdict = Verdict::kMissing;
    // The file name with its ".sav" extension (Windows-1252), when the verdict is kOk.
    std::string file;
};

// Turns the typed name (Windows-1252, blanks at either end ignored) into the saved game's file
// name. A name with a "." anywhere loses its last four characters before ".sav" is appended, so
// "game.sav" stays itself and "game.abcde" becomes "game.a.sav"; a name shorter than four
// characters keeps its dot as part of the name ("a.b" becomes "a.b.sav").
SaveFileName MakeSaveFileName(std::string_view typed);

}  // namespace morvane
