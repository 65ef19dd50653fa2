#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/integer.h"
#include "database/fixed_text.h"
#include "database/record_field.h"

namespace morvane {

// The one 908-byte record of game-wide settings. Runs of fields with one meaning per element
// (CD labels, menu buttons, pointers) are arrays; element i is field first + i.
struct GeneralRecord {
    static constexpr std::size_t kLength = 908;
    // The literal the file is opened by, appended to the game folder.
    static constexpr std::string_view kPath = "resource/Morvane4.dat";

    FixedText<20> GameTitle;                          // 1
    FixedText<15> ClickSound;                         // 2
    Integer ClickVolume = 0;                          // 3
    Integer ClickPan = 0;                             // 4
    FixedText<15> ItemRequiredSound;                  // 5
    Integer ItemRequiredPan = 0;                      // 6
    Integer ItemRequiredVolume = 0;                   // 7
    FixedText<15> InventoryFullSound;                 // 8
    Integer InventoryFullVolume = 0;                  // 9
    Integer InventoryFullPan = 0;                     // 10
    Integer ClosingPictureOn = 0;                     // 11
    FixedText<15> ClosingPicture;                     // 12
    Integer DebugMode = 0;                            // 13
    FixedText<15> Spare14;                            // 14
    Integer RunsFromCd = 0;                           // 15
    std::array<FixedText<20>, 4> CdLabels;            // 16 to 19
    std::array<Integer, 4> CdFirstScene{};            // 20 to 23
    std::array<Integer, 4> CdLastScene{};             // 24 to 27
    Integer MenuMusicVolume = 0;                      // 28
    Integer Spare29 = 0;                              // 29
    Integer MouseOverVolume = 0;                      // 30
    Integer MouseOverPan = 0;                         // 31
    Integer Spare32 = 0;                              // 32
    FixedText<15> MenuMusic;                          // 33
    FixedText<15> MouseOverSound;                     // 34
    FixedText<15> StartupLogoOption;                  // 35
    std::array<Integer, 5> MenuButtonShown{};         // 36 to 40
    Integer MenuButtonPictureChoice = 0;              // 41
    std::array<Integer, 4> Spare42To45{};             // 42 to 45
    std::array<FixedText<15>, 5> MenuButtonPictures;  // 46 to 50
    Integer InGameMenuButtonShown = 0;                // 51
    Integer InGameSaveButtonShown = 0;                // 52
    Integer InGameMenuButtonPictureChoice = 0;        // 53
    Integer InGameSaveButtonPictureChoice = 0;        // 54
    FixedText<15> InGameMenuButtonPicture;            // 55
    FixedText<15> InGameSaveButtonPicture;            // 56
    Integer SavedGamesEnabled = 0;                    // 57
    Integer InventoryBarShown = 0;                    // 58
    Integer ScoreShown = 0;                           // 59
    Integer ScoreFlag = 0;                            // 60
    Integer MaxScore = 0;                             // 61
    Integer ScoreSize = 0;                            // 62
    Integer MenuBackgroundChoice = 0;                 // 63
    FixedText<15> MenuBackground;                     // 64
    Integer FrameChoice = 0;                          // 65
    FixedText<15> FramePicture;                       // 66
    Integer ExamineButtonChoice = 0;                  // 67
    Integer Force800x600 = 0;                         // 68
    Integer MovieSizeMode = 0;                        // 69
    Integer Spare70 = 0;                              // 70
    Integer Spare71 = 0;                              // 71
    FixedText<15> ExamineButtonPicture;               // 72
    FixedText<15> Spare73;                            // 73
    FixedText<15> Spare74;                            // 74
    std::array<FixedText<15>, 15> Pointers;           // 75 to 89
    std::array<FixedText<15>, 3> Spare90To92;         // 90 to 92
    Integer Spare93 = 0;                              // 93
    Integer Spare94 = 0;                              // 94
    FixedText<15> Spare95;                            // 95
    Integer Spare96 = 0;                              // 96
    FixedText<15> OpeningCredits;                     // 97
    FixedText<15> Spare98;                            // 98
    Integer Spare99 = 0;                              // 99
    FixedText<15> Spare100;                           // 100
    FixedText<15> Spare101;                           // 101
    Integer MenuScene = 0;                            // 102
    Integer IntroAtStartUp = 0;                       // 103
    Integer IntroAtNewGame = 0;                       // 104
    Integer Spare105 = 0;                             // 105
    FixedText<15> IntroMovie;                         // 106
    Integer IntroMovieArgument = 0;                   // 107
    FixedText<15> Spare108;                           // 108
    FixedText<15> Spare109;                           // 109
    Integer Spare110 = 0;                             // 110

    bool operator==(const GeneralRecord&) const = default;

    template <typename Self, typename Visitor>
    static void Visit(Self& r, Visitor&& visit) {
        const auto run = [&visit](int first, std::size_t offset, std::size_t width, auto& items) {
            for (std::size_t i = 0; i < items.size(); ++i) {
                visit(RecordField{first + static_cast<int>(i), offset + width * i}, items[i]);
            }
        };
        visit(RecordField{1, 0}, r.GameTitle);
        visit(RecordField{2, 20}, r.ClickSound);
        visit(RecordField{3, 35}, r.ClickVolume);
        visit(RecordField{4, 37}, r.ClickPan);
        visit(RecordField{5, 39}, r.ItemRequiredSound);
        visit(RecordField{6, 54}, r.ItemRequiredPan);
        visit(RecordField{7, 56}, r.ItemRequiredVolume);
        visit(RecordField{8, 58}, r.InventoryFullSound);
        visit(RecordField{9, 73}, r.InventoryFullVolume);
        visit(RecordField{10, 75}, r.InventoryFullPan);
        visit(RecordField{11, 77}, r.ClosingPictureOn);
        visit(RecordField{12, 79}, r.ClosingPicture);
        visit(RecordField{13, 94}, r.DebugMode);
        visit(RecordField{14, 96}, r.Spare14);
        visit(RecordField{15, 111}, r.RunsFromCd);
        run(16, 113, 20, r.CdLabels);
        run(20, 193, 2, r.CdFirstScene);
        run(24, 201, 2, r.CdLastScene);
        visit(RecordField{28, 209}, r.MenuMusicVolume);
        visit(RecordField{29, 211}, r.Spare29);
        visit(RecordField{30, 213}, r.MouseOverVolume);
        visit(RecordField{31, 215}, r.MouseOverPan);
        visit(RecordField{32, 217}, r.Spare32);
        visit(RecordField{33, 219}, r.MenuMusic);
        visit(RecordField{34, 234}, r.MouseOverSound);
        visit(RecordField{35, 249}, r.StartupLogoOption);
        run(36, 264, 2, r.MenuButtonShown);
        visit(RecordField{41, 274}, r.MenuButtonPictureChoice);
        run(42, 276, 2, r.Spare42To45);
        run(46, 284, 15, r.MenuButtonPictures);
        visit(RecordField{51, 359}, r.InGameMenuButtonShown);
        visit(RecordField{52, 361}, r.InGameSaveButtonShown);
        visit(RecordField{53, 363}, r.InGameMenuButtonPictureChoice);
        visit(RecordField{54, 365}, r.InGameSaveButtonPictureChoice);
        visit(RecordField{55, 367}, r.InGameMenuButtonPicture);
        visit(RecordField{56, 382}, r.InGameSaveButtonPicture);
        visit(RecordField{57, 397}, r.SavedGamesEnabled);
        visit(RecordField{58, 399}, r.InventoryBarShown);
        visit(RecordField{59, 401}, r.ScoreShown);
        visit(RecordField{60, 403}, r.ScoreFlag);
        visit(RecordField{61, 405}, r.MaxScore);
        visit(RecordField{62, 407}, r.ScoreSize);
        visit(RecordField{63, 409}, r.MenuBackgroundChoice);
        visit(RecordField{64, 411}, r.MenuBackground);
        visit(RecordField{65, 426}, r.FrameChoice);
        visit(RecordField{66, 428}, r.FramePicture);
        visit(RecordField{67, 443}, r.ExamineButtonChoice);
        visit(RecordField{68, 445}, r.Force800x600);
        visit(RecordField{69, 447}, r.MovieSizeMode);
        visit(RecordField{70, 449}, r.Spare70);
        visit(RecordField{71, 451}, r.Spare71);
        visit(RecordField{72, 453}, r.ExamineButtonPicture);
        visit(RecordField{73, 468}, r.Spare73);
        visit(RecordField{74, 483}, r.Spare74);
        run(75, 498, 15, r.Pointers);
        run(90, 723, 15, r.Spare90To92);
        visit(RecordField{93, 768}, r.Spare93);
        visit(RecordField{94, 770}, r.Spare94);
        visit(RecordField{95, 772}, r.Spare95);
        visit(RecordField{96, 787}, r.Spare96);
        visit(RecordField{97, 789}, r.OpeningCredits);
        visit(RecordField{98, 804}, r.Spare98);
        visit(RecordField{99, 819}, r.Spare99);
        visit(RecordField{100, 821}, r.Spare100);
        visit(RecordField{101, 836}, r.Spare101);
        visit(RecordField{102, 851}, r.MenuScene);
        visit(RecordField{103, 853}, r.IntroAtStartUp);
        visit(RecordField{104, 855}, r.IntroAtNewGame);
        visit(RecordField{105, 857}, r.Spare105);
        visit(RecordField{106, 859}, r.IntroMovie);
        visit(RecordField{107, 874}, r.IntroMovieArgument);
        visit(RecordField{108, 876}, r.Spare108);
        visit(RecordField{109, 891}, r.Spare109);
        visit(RecordField{110, 906}, r.Spare110);
    }
};

}  // namespace morvane
