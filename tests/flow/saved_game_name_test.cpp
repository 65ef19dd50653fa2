#include "flow/saved_game_name.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using Verdict = SaveFileName::Verdict;

struct NameCase {
    const char* typed;
    Verdict verdict;
    const char* file;
};

// The naming rule with its edge cases: the file name a typed name gives, or why it gives none.
TEST(SaveFileName, TypedNamesBecomeSavedGameFiles) {
    const NameCase cases[] = {
        // No dot: ".sav" is appended.
        {"castle", Verdict::kOk, "castle.sav"},
        {"Lamp room 2", Verdict::kOk, "Lamp room 2.sav"},
        // Ending in ".sav" (any case): the name stays.
        {"castle.sav", Verdict::kOk, "castle.sav"},
        {"castle.SAV", Verdict::kOk, "castle.sav"},
        // A dot anywhere: the last four characters go, whatever they are.
        {"castle.txt", Verdict::kOk, "castle.sav"},
        {"castle.abcde", Verdict::kOk, "castle.a.sav"},
        {"v1.2 castle", Verdict::kOk, "v1.2 ca.sav"},
        // Shorter than four characters: the dot is part of the name.
        {"a.b", Verdict::kOk, "a.b.sav"},
        {".x", Verdict::kOk, ".x.sav"},
        // Blanks at either end do not count; a character beyond ASCII is kept.
        {"  caf\xE9  ", Verdict::kOk, "caf\xE9.sav"},
        // The box's own prompt, in any letter case, and nothing at all are no name.
        {"Filename", Verdict::kMissing, ""},
        {"FILENAME", Verdict::kMissing, ""},
        {"fileName", Verdict::kMissing, ""},
        {"", Verdict::kMissing, ""},
        {"   ", Verdict::kMissing, ""},
        // Nothing left in front of ".sav".
        {".sav", Verdict::kMissing, ""},
        {"a.bc", Verdict::kMissing, ""},
        // Names that would leave the folder, or that no file system takes.
        {"..", Verdict::kForbidden, ""},
        {"../castle", Verdict::kForbidden, ""},
        {"..\\castle", Verdict::kForbidden, ""},
        {"saves/castle", Verdict::kForbidden, ""},
        {"saves\\castle", Verdict::kForbidden, ""},
        {"/etc/passwd", Verdict::kForbidden, ""},
        {"C:castle", Verdict::kForbidden, ""},
        {"C:\\games\\castle.sav", Verdict::kForbidden, ""},
        {"castle?", Verdict::kForbidden, ""},
        {"cas*tle", Verdict::kForbidden, ""},
        {"\"castle\"", Verdict::kForbidden, ""},
        {"<castle>", Verdict::kForbidden, ""},
        {"cas|tle", Verdict::kForbidden, ""},
        {"cas\ttle", Verdict::kForbidden, ""},
        {"castle..sav", Verdict::kForbidden, ""},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(std::string("typed \"") + c.typed + "\"");
        const SaveFileName name = MakeSaveFileName(c.typed);
        EXPECT_EQ(name.verdict, c.verdict);
        EXPECT_EQ(name.file, c.file);
    }
}

TEST(SaveFileName, AFileNameMadeByTheRuleStaysItself) {
    for (const char* typed : {"castle", "castle.abcde", "a.b", "v1.2 castle"}) {
        const SaveFileName once = MakeSaveFileName(typed);
        const SaveFileName twice = MakeSaveFileName(once.file);
        EXPECT_EQ(twice.file, once.file) << typed;
    }
}

}  // namespace
}  // namespace morvane
