// The general record, the map locations, the inventory items and the cue cards.
#include <string>

#include "database/game_checker.h"

namespace morvane::check {
namespace {

void CheckGeneralFiles(GameChecker& c, const GeneralRecord& g) {
    c.Media(FieldName(2), g.ClickSound, MediaUse::kSound);
    c.Media(FieldName(5), g.ItemRequiredSound, MediaUse::kSound);
    c.Media(FieldName(8), g.InventoryFullSound, MediaUse::kSound);
    if (g.ClosingPictureOn == 1) {
        c.Picture(FieldName(12), g.ClosingPicture);
    }
    c.Media(FieldName(33), g.MenuMusic, MediaUse::kMusic);
    c.Media(FieldName(34), g.MouseOverSound, MediaUse::kSound);
    if (g.MenuButtonPictureChoice == 0) {
        for (int i = 0; i < 5; ++i) {
            c.Picture(FieldName(46 + i), g.MenuButtonPictures[static_cast<std::size_t>(i)]);
        }
    }
    if (g.InGameMenuButtonPictureChoice == 2) {
        c.Picture(FieldName(55), g.InGameMenuButtonPicture);
    }
    if (g.InGameSaveButtonPictureChoice == 2) {
        c.Picture(FieldName(56), g.InGameSaveButtonPicture);
    }
    if (g.MenuBackgroundChoice == 2) {
        c.Picture(FieldName(64), g.MenuBackground);
    }
    if (g.FrameChoice == 2) {
        c.Picture(FieldName(66), g.FramePicture);
    }
    if (g.ExamineButtonChoice == 2) {
        c.Picture(FieldName(72), g.ExamineButtonPicture);
    }
    for (int i = 0; i < 15; ++i) {
        c.Picture(FieldName(75 + i), g.Pointers[static_cast<std::size_t>(i)]);
    }
    const std::string credits = g.OpeningCredits.Trimmed();
    const std::string kind = Extension3(credits);
    if (kind == "gif") {
        c.Picture(FieldName(97), g.OpeningCredits);
    } else if (kind == "avi") {
        c.Media(FieldName(97), g.OpeningCredits, MediaUse::kMovie);
    } else if (!credits.empty()) {
        c.Error(FieldName(97), "opening credits " + credits +
                                   " are neither a .gif picture nor an .avi movie; nothing shows");
    }
    c.Media(FieldName(106), g.IntroMovie, MediaUse::kMovie);
}

}  // namespace

void CheckGeneral(GameChecker& c) {
    if (!c.Game().General) {
        return;
    }
    const GeneralRecord& g = *c.Game().General;
    c.At("general");
    c.ShownText(FieldName(1), g.GameTitle);
    CheckGeneralFiles(c, g);
    c.Scene(FieldName(102), g.MenuScene, true);
    if (g.ScoreShown == 1) {
        if (g.ScoreFlag == 0) {
            c.Error(FieldName(60), "the score is shown but kept in no flag");
        } else {
            c.Flag(FieldName(60), g.ScoreFlag);
        }
        if (g.ScoreSize != 1 && g.ScoreSize != 2) {
            c.Warning(FieldName(62), "score display size " + std::to_string(g.ScoreSize) +
                                         " is neither 1 (small) nor 2 (large); none shows");
        }
    }
    CheckCdRanges(c, g);
}

void CheckLocations(GameChecker& c) {
    for (int n = 1; n <= c.Locations(); ++n) {
        const LocationRecord& l = c.Game().Locations[static_cast<std::size_t>(n - 1)];
        c.At("location", n);
        if (n == 1) {
            c.Picture(FieldName(12), l.MapPicture);
        }
        const std::string picture = l.Picture.Trimmed();
        if (picture.empty() || picture == "Del") {
            continue;
        }
        if (n > 20) {
            c.Error("", "beyond the map's 20 locations; the player never reads it");
            continue;
        }
        if (picture != "(None)") {
            c.Picture(FieldName(2), l.Picture);
        }
        c.Scene(FieldName(6), l.Scene, true);
        if (l.PlaysFile == 1) {
            c.Media(FieldName(9), l.File, MediaUse::kSoundOrMovie);
        }
    }
}

void CheckItems(GameChecker& c) {
    for (int n = 1; n <= c.Items(); ++n) {
        const InventoryRecord& item = c.Game().Items[static_cast<std::size_t>(n - 1)];
        c.At("item", n);
        c.Picture(FieldName(2), item.Icon);
        c.Picture(FieldName(3), item.HighlightPointer);
        if (item.Combinable == 1) {
            c.Item(FieldName(6), item.Partner);
            c.Item(FieldName(7), item.Result);
        }
        c.Media(FieldName(8), item.RefusalSound, MediaUse::kSound);
        c.Media(FieldName(11), item.ExamineSound, MediaUse::kSound);
        if (item.ExamineKind == 1) {
            c.ShownText(FieldName(15), item.CloseupCaption);
            if (item.CloseupPlayMode != 1 && item.CloseupPlayMode != 2) {
                c.Warning(FieldName(16), "close-up play mode " +
                                             std::to_string(item.CloseupPlayMode) +
                                             " is neither 1 nor 2; the close-up stays covered");
            }
        } else if (item.ExamineKind != 0) {
            c.Warning(FieldName(14), "examine kind " + std::to_string(item.ExamineKind) +
                                         " is neither 0 nor 1; examining does nothing");
        }
        c.Picture(FieldName(17), item.CloseupPicture);
        if (item.Transforms == 1) {
            c.Item(FieldName(20), item.TransformsInto);
        }
        if (item.AddsMapLocation == 1) {
            c.MapLocation(FieldName(22), item.MapLocation);
        }
        if (item.ChangesFlag == 1 && item.Flag != 0) {
            c.Flag(FieldName(24), item.Flag);
            c.FlagMode(FieldName(26), item.FlagMode);
        }
        c.Picture(FieldName(27), item.HeldPointer);
        c.Media(FieldName(28), item.CombineSound, MediaUse::kSound);
    }
}

void CheckConversations(GameChecker& c) {
    for (int n = 1; n <= c.Cards(); ++n) {
        const ConversationRecord& card = c.Game().Conversations[static_cast<std::size_t>(n - 1)];
        c.At("conversation", n);
        for (int line = 1; line <= kConversationLines; ++line) {
            const auto i = static_cast<std::size_t>(line - 1);
            const auto field = [&](int number) {
                return "line " + std::to_string(line) + " " + FieldName(number);
            };
            c.ShownText(field(3), card.LineText[i]);
            if (card.LineSetsFlag[i] == 1) {
                c.Flag(field(5), card.LineFlag[i]);
                c.FlagMode(field(7), card.LineFlagMode[i]);
            }
            if (card.LineMediaOn[i] == 1) {
                c.Media(field(9), card.LineMedia[i], MediaUse::kSoundOrMovie);
            }
        }
    }
}

}  // namespace morvane::check
