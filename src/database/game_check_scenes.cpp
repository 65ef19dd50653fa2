// The scene file: headers, arrows and the CD ranges that hold the scenes.
#include <algorithm>
#include <string>

#include "database/game_checker.h"

namespace morvane::check {
namespace {

constexpr std::string_view kGroupNames = "ABCD";

void CheckHeader(GameChecker& c, int scene, const SceneHeader& h) {
    if (h.JumpEnabled == 1 && h.JumpScene != 0) {
        c.Condition(FieldName(3), h.JumpFlag, FieldName(4), h.JumpOp);
        if (h.JumpScene == scene) {
            c.Error(FieldName(6), "a jump to the scene itself is never followed");
        } else {
            c.Scene(FieldName(6), h.JumpScene, false);
        }
    }
    c.Picture(FieldName(7), h.Background);
    if (h.SceneSoundtrack.Trimmed() != "(stop sndtrk)") {
        c.Media(FieldName(8), h.SceneSoundtrack, MediaUse::kMusic);
    }
    c.Media(FieldName(10), h.EnterSound, MediaUse::kSound);
    c.Media(FieldName(13), h.ExitSound, MediaUse::kSound);
    c.Media(FieldName(16), h.LoopSound, MediaUse::kSound);
    c.Media(FieldName(19), h.EnterMovie, MediaUse::kMovie);
    c.Media(FieldName(21), h.ExitMovie, MediaUse::kMovie);
    if (h.EntryFlagEnabled == 1) {
        c.Flag(FieldName(24), h.EntryFlag);
        c.FlagMode(FieldName(26), h.EntryFlagMode);
    }
    for (int group = 0; group < kArrowGroups; ++group) {
        const ArrowValues& arrow = h.Arrows[static_cast<std::size_t>(group)];
        if (arrow[1] == 0) {
            continue;
        }
        const std::string name = "arrow " + std::string(1, kGroupNames[group]) + " value ";
        c.Scene(name + "2", arrow[1], true);
        if (arrow[0] < 1 || arrow[0] > 15) {
            c.Warning(name + "1", "pointer " + std::to_string(arrow[0]) +
                                      " does not exist (1 to 15); the normal pointer shows");
        }
    }
}

struct CdRange {
    int Cd = 0;
    int First = 0;
    int Last = 0;
};

std::string Scenes(int first, int last) {
    return first == last ? "scene " + std::to_string(first)
                         : "scenes " + std::to_string(first) + " to " + std::to_string(last);
}

}  // namespace

// A game that runs from CDs asks, on every scene load, for the CD whose range holds the scene;
// a scene on no CD ends the program.
void CheckCdRanges(GameChecker& c, const GeneralRecord& g) {
    if (g.RunsFromCd != 1) {
        return;
    }
    c.At("general");
    std::vector<CdRange> ranges;
    for (int cd = 1; cd <= 4; ++cd) {
        const auto i = static_cast<std::size_t>(cd - 1);
        const int first = g.CdFirstScene[i];
        const int last = g.CdLastScene[i];
        if (first == 0 && last == 0) {
            continue;
        }
        const std::string fields =
            "fields " + std::to_string(20 + cd - 1) + " and " + std::to_string(24 + cd - 1);
        if (first > last || first < 1) {
            c.Error(fields, "CD " + std::to_string(cd) + " holds no scene (first scene " +
                                std::to_string(first) + ", last " + std::to_string(last) + ")");
            continue;
        }
        if (g.CdLabels[i].Trimmed().empty()) {
            c.Error(FieldName(16 + cd - 1), "CD " + std::to_string(cd) + " holds " +
                                                Scenes(first, last) + " but has no volume label");
        }
        for (const CdRange& other : ranges) {
            if (first <= other.Last && other.First <= last) {
                c.Warning(fields, "CD " + std::to_string(cd) + " (" + Scenes(first, last) +
                                      ") overlaps CD " + std::to_string(other.Cd) + " (" +
                                      Scenes(other.First, other.Last) + ")");
            }
        }
        ranges.push_back(CdRange{cd, first, last});
    }
    const auto on_a_cd = [&](int scene) {
        return std::any_of(ranges.begin(), ranges.end(),
                           [&](const CdRange& r) { return scene >= r.First && scene <= r.Last; });
    };
    for (int scene = 1; scene <= c.Scenes(); ++scene) {
        if (on_a_cd(scene)) {
            continue;
        }
        int last = scene;
        while (last < c.Scenes() && !on_a_cd(last + 1)) {
            ++last;
        }
        c.Error("fields 20 to 27", Scenes(scene, last) + (scene == last ? " lies" : " lie") +
                                       " on no CD; the player stops when it loads one");
        scene = last;
    }
}

void CheckScenes(GameChecker& c) {
    for (int scene = 1; scene <= c.Scenes(); ++scene) {
        const SceneRecord& record = c.Game().Scenes[static_cast<std::size_t>(scene - 1)];
        c.At("scene", scene);
        CheckHeader(c, scene, record.Header);
        for (int slot = 1; slot <= kObjectSlots; ++slot) {
            CheckObject(c, scene, slot, record.Objects(slot));
        }
    }
}

}  // namespace morvane::check
