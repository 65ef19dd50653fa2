// The game checker on games made by the writer: a game whose every reference is valid gives no
// finding; each fault, alone or all together, gives exactly its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "database/game_check.h"
#include "database/object_kind.h"
#include "support/game_builder.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::TempFolder;

template <std::size_t Width>
FixedText<Width> T(std::string_view text) {
    return FixedText<Width>(text);
}

// Sets the kind of object `slot` of `scene`, and its texts s(position) and numbers p(position).
void Put(SceneRecord& scene, int slot, Integer kind,
         std::initializer_list<std::pair<int, const char*>> texts,
         std::initializer_list<std::pair<int, Integer>> numbers) {
    ObjectBlock& o = scene.Objects(slot);
    o.Kind = kind;
    for (const auto& [position, text] : texts) {
        o.S(position) = T<15>(text);
    }
    for (const auto& [position, value] : numbers) {
        o.P(position) = value;
    }
}

// A game that uses every kind of reference the checker follows, each one valid. The background
// of scene 1 is named "Shore.GIF" and lies on disk as "shore.gif", as the player allows.
GameData ValidGame() {
    GameData game;
    GeneralRecord g;
    g.GameTitle = T<20>("Test Game");
    g.ClickSound = T<15>("click.wav");
    g.MenuMusic = T<15>("menu.mid");
    g.MenuButtonPictureChoice = 1;
    g.Pointers[9] = T<15>("hot.gif");
    g.OpeningCredits = T<15>("credits.avi");
    g.IntroMovie = T<15>("intro.avi");
    g.MenuScene = 3;
    g.ScoreShown = 1;
    g.ScoreFlag = 20;
    g.ScoreSize = 2;
    g.RunsFromCd = 1;
    g.CdLabels[0] = T<20>("DISC1");
    g.CdLabels[1] = T<20>("DISC2");
    g.CdFirstScene = {1, 3, 0, 0};
    g.CdLastScene = {2, 3, 0, 0};
    game.General = g;

    SceneRecord shore;
    SceneHeader& h = shore.Header;
    h.JumpEnabled = 1;
    h.JumpFlag = 5;
    h.JumpOp = 2;
    h.JumpValue = 1;
    h.JumpScene = 2;
    h.Background = T<15>("Shore.GIF");
    h.SceneSoundtrack = T<15>("theme.mp3");
    h.EnterSound = T<15>("in.wav");
    h.ExitMovie = T<15>("out.avi");
    h.EntryFlagEnabled = 1;
    h.EntryFlag = 7;
    h.EntryFlagMode = 1;
    h.Arrows[0] = {1, 2, 10, 10, 50, 50};

    Put(shore, 1, kAmbient, {{3, "a.gif"}, {4, "loop.wav"}},
        {{12, 1}, {16, 2}, {17, 5}, {20, 1}, {21, 6}, {24, 1}, {25, 1}, {26, 3}});
    Put(shore, 2, kLink, {{3, "a.gif"}, {5, "click.wav"}, {6, "no.wav"}},
        {{12, 1}, {13, 1}, {18, 1}, {19, 1}, {24, 3}, {25, 1}, {29, 1}, {30, 4}, {32, 1}});
    Put(shore, 3, kGoodie, {{3, "a.gif"}, {5, "pick.avi"}},
        {{12, 2}, {17, 2}, {23, 1}, {27, 1}, {28, 3}});
    Put(shore, 4, kSwitch, {{3, "a.gif"}, {4, "off.wav"}, {5, "on.wav"}},
        {{12, 10}, {16, 1}, {24, 1}});
    Put(shore, 5, kReactor, {{3, "a.gif"}, {4, "movie.avi"}},
        {{12, 3}, {16, 1}, {24, 1}, {25, 2}, {27, -1}});
    Put(shore, 6, kResponder, {{5, "bell.wav"}},
        {{12, 1}, {13, 5}, {15, 1}, {19, 1}, {22, 1}, {23, 2}, {30, 1}, {31, 2}});
    Put(shore, 7, kDelay, {}, {{13, 5}, {15, 1}, {16, 32}, {17, 8}, {18, 1}});
    Put(shore, 8, kMultiTrigger, {}, {{13, 5}, {15, 1}, {16, 1}, {17, 9}, {20, 3}});
    Put(shore, 9, kConversation, {}, {{12, 1}, {13, 2}, {14, 1}, {16, 1}});
    Put(shore, 10, kFlagConjunction, {{3, "11"}, {4, "1"}, {5, "0"}}, {{13, 1}, {14, 6}, {15, 3}});
    Put(shore, 11, kResponder, {{3, "bell.wav"}, {4, "theme.mp3"}}, {{12, 2}, {17, 1}});

    SceneRecord cottage;
    cottage.Header.Background = T<15>("cottage.gif");
    game.Scenes = {shore, cottage, SceneRecord{}};

    LocationRecord beach;
    beach.Picture = T<15>("loc1.gif");
    beach.MapPicture = T<15>("map.gif");
    beach.Scene = 1;
    beach.PlaysFile = 1;
    beach.File = T<15>("chime.wav");
    LocationRecord reef;
    reef.Picture = T<15>("(None)");
    game.Locations = {beach, reef};

    InventoryRecord letter;
    letter.Icon = T<15>("i1.gif");
    letter.CarriedAtStart = 1;
    letter.Combinable = 1;
    letter.Partner = 2;
    letter.Result = 2;
    letter.ExamineKind = 1;
    letter.CloseupCaption = T<30>("A letter");
    letter.CloseupPlayMode = 2;
    letter.CloseupPicture = T<15>("cu.gif");
    letter.Transforms = 1;
    letter.TransformsInto = 2;
    letter.AddsMapLocation = 1;
    letter.MapLocation = 2;
    letter.ChangesFlag = 1;
    letter.Flag = 4;
    letter.HeldPointer = T<15>("p1.gif");
    InventoryRecord can;
    can.Icon = T<15>("i2.gif");
    can.ExamineSound = T<15>("tap.wav");
    game.Items = {letter, can};

    ConversationRecord card;
    card.LineText[0] = T<50>("Hello");
    card.LineSetsFlag[0] = 1;
    card.LineFlag[0] = 1;
    card.LineFlagValue[0] = 2;
    card.LineMediaOn[0] = 1;
    card.LineMedia[0] = T<15>("voice.wav");
    game.Conversations = {card};
    return game;
}

void WriteAssets(const TempFolder& folder) {
    for (const char* picture : {"shore.gif", "cottage.gif", "a.gif", "hot.gif", "loc1.gif",
                                "map.gif", "i1.gif", "i2.gif", "cu.gif", "p1.gif"}) {
        folder.Write(std::string("resource/gfx/") + picture, "picture");
    }
    for (const char* media :
         {"click.wav", "menu.mid", "credits.avi", "intro.avi", "theme.mp3", "in.wav", "out.avi",
          "loop.wav", "no.wav", "pick.avi", "off.wav", "on.wav", "movie.avi", "bell.wav",
          "chime.wav", "tap.wav", "voice.wav"}) {
        folder.Write(std::string("resource/mmedia/") + media, "media");
    }
}

class GameCheckTest : public ::testing::Test {
  protected:
    GameCheckTest() { WriteAssets(folder_); }

    std::vector<std::string> Lines(const GameData& game) const {
        std::vector<std::string> lines;
        for (const Finding& finding : CheckGame(game, GamePaths(folder_.Path()))) {
            lines.push_back(finding.Line());
        }
        return lines;
    }

    TempFolder folder_;
};

struct Fault {
    const char* Name;
    std::function<void(GameData&)> Make;
    const char* Line;
};

ObjectBlock& Object(GameData& game, int scene, int slot) {
    return game.Scenes[static_cast<std::size_t>(scene - 1)].Objects(slot);
}

const std::vector<Fault>& Faults() {
    static const std::vector<Fault> faults = {
        {"ItemBeyondCount", [](GameData& g) { Object(g, 1, 3).P(17) = 12; },
         "error: scene 1 object 3 (Goodie) p17: item 12 does not exist (2 items)"},
        {"SceneBeyondCount", [](GameData& g) { Object(g, 1, 2).P(24) = 42; },
         "error: scene 1 object 2 (Link) p24: scene 42 does not exist (3 scenes)"},
        {"ArrowToMissingScene",
         [](GameData& g) {
             g.Scenes[1].Header.Arrows[3] = {2, 4};
         },
         "error: scene 2 arrow D value 2: scene 4 does not exist (3 scenes)"},
        {"MissingPicture", [](GameData& g) { g.Scenes[1].Header.Background = T<15>("gone.gif"); },
         "error: scene 2 field 7: picture gone.gif not found in resource\\gfx"},
        {"MissingSoundWithFullName",
         [](GameData& g) { g.Scenes[0].Header.EnterSound = T<15>("doorbell_ring.w"); },
         "error: scene 1 field 10: sound doorbell_ring.w not found in resource\\mmedia (the "
         "name fills all 15 characters of its field and may have been cut)"},
        {"MissingMovie", [](GameData& g) { Object(g, 1, 5).S(4) = T<15>("gone.avi"); },
         "error: scene 1 object 5 (Reactor) s4: movie gone.avi not found in resource\\mmedia"},
        {"LocationBeyondCount", [](GameData& g) { Object(g, 1, 5).P(25) = 3; },
         "error: scene 1 object 5 (Reactor) p25: map location 3 does not exist (2 locations)"},
        {"LocationBeyondTheMap", [](GameData& g) { Object(g, 1, 1).P(25) = 21; },
         "error: scene 1 object 1 (Ambient) p25: map location 21 is beyond the map's 20 "
         "locations"},
        {"CueCardBeyondCount", [](GameData& g) { Object(g, 1, 9).P(12) = 4; },
         "error: scene 1 object 9 (Conversation) p12: cue card 4 does not exist (1 cue card)"},
        {"FlagOutOfRange", [](GameData& g) { Object(g, 1, 4).P(12) = 300; },
         "error: scene 1 object 4 (Switch) p12: flag 300 is outside 0 to 255"},
        {"OperatorOutOfRange", [](GameData& g) { Object(g, 1, 7).P(14) = 7; },
         "error: scene 1 object 7 (Delay) p14: operator 7 is not a comparison (0 =, 1 <>, 2 <, "
         "3 >); the condition never holds"},
        {"UnknownKind", [](GameData& g) { Object(g, 2, 1).Kind = 42; },
         "error: scene 2 object 1 kind: unknown object kind 42 (0 to 9); the player shows a "
         "placeholder and a message"},
        {"UnknownStyle", [](GameData& g) { Object(g, 1, 1).P(12) = 9; },
         "warning: scene 1 object 1 (Ambient) p12: animation style 9 is not one of 1 to 3; the "
         "picture keeps the last object's settings"},
        {"JumpToItself", [](GameData& g) { g.Scenes[0].Header.JumpScene = 1; },
         "error: scene 1 field 6: a jump to the scene itself is never followed"},
        {"DelayTooLong", [](GameData& g) { Object(g, 1, 7).P(16) = 33; },
         "error: scene 1 object 7 (Delay) p16: a delay of 33 seconds is longer than the timers "
         "can hold (32)"},
        {"TextCut",
         [](GameData& g) { g.Conversations[0].LineText[1] = T<50>(std::string(50, 'x')); },
         "warning: conversation 1 line 2 field 3: text fills all 50 characters of its field and "
         "may have been cut"},
        {"SceneOnNoCd",
         [](GameData& g) {
             g.General->CdFirstScene[1] = 0;
             g.General->CdLastScene[1] = 0;
         },
         "error: general fields 20 to 27: scene 3 lies on no CD; the player stops when it loads "
         "one"},
        {"CdRangesOverlap",
         [](GameData& g) {
             g.General->CdLabels[2] = T<20>("DISC3");
             g.General->CdFirstScene[2] = 2;
             g.General->CdLastScene[2] = 2;
         },
         "warning: general fields 22 and 26: CD 3 (scene 2) overlaps CD 1 (scenes 1 to 2)"},
        {"PartnerBeyondCount", [](GameData& g) { g.Items[0].Partner = 5; },
         "error: item 1 field 6: item 5 does not exist (2 items)"},
        {"NeitherSoundNorMovie", [](GameData& g) { g.Locations[0].File = T<15>("chime.mp3"); },
         "error: location 1 field 9: chime.mp3 is neither a .wav sound nor an .avi movie; "
         "nothing plays"},
    };
    return faults;
}

TEST_F(GameCheckTest, AGameWhoseEveryReferenceIsValidGivesNoFinding) {
    EXPECT_EQ(Lines(ValidGame()), std::vector<std::string>{});
}

// The files followed are the ones the player would look for: the link's refusal sound only while
// the link needs an item, names as the data spells them.
TEST_F(GameCheckTest, TheFilesFollowedAreTheOnesThePlayerLooksFor) {
    GameData game = ValidGame();
    Object(game, 1, 2).P(18) = 0;
    const ReferencedFiles files = FilesNamedBy(game, GamePaths(folder_.Path()));
    EXPECT_EQ(files.Pictures,
              (std::set<std::string>{"Shore.GIF", "cottage.gif", "a.gif", "hot.gif", "loc1.gif",
                                     "map.gif", "i1.gif", "i2.gif", "cu.gif", "p1.gif"}));
    EXPECT_EQ(files.Media, (std::set<std::string>{
                               "click.wav", "menu.mid", "credits.avi", "intro.avi", "theme.mp3",
                               "in.wav", "out.avi", "loop.wav", "pick.avi", "off.wav", "on.wav",
                               "movie.avi", "bell.wav", "chime.wav", "tap.wav", "voice.wav"}));
}

TEST_F(GameCheckTest, EachFaultAloneGivesExactlyItsLine) {
    for (const Fault& fault : Faults()) {
        GameData game = ValidGame();
        fault.Make(game);
        EXPECT_EQ(Lines(game), std::vector<std::string>{fault.Line}) << fault.Name;
    }
}

TEST_F(GameCheckTest, AllFaultsTogetherGiveEveryLineOnce) {
    GameData game = ValidGame();
    std::vector<std::string> expected;
    for (const Fault& fault : Faults()) {
        fault.Make(game);
        expected.push_back(fault.Line);
    }
    std::vector<std::string> lines = Lines(game);
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
}

TEST_F(GameCheckTest, ErrorsAreToldFromWarnings) {
    GameData game = ValidGame();
    Object(game, 1, 1).P(12) = 9;
    EXPECT_FALSE(HasErrors(CheckGame(game, GamePaths(folder_.Path()))));
    Object(game, 1, 3).P(17) = 12;
    EXPECT_TRUE(HasErrors(CheckGame(game, GamePaths(folder_.Path()))));
}

TEST_F(GameCheckTest, LocationsBeyondTwentyAreNeverRead) {
    GameData game = ValidGame();
    game.Locations.resize(21, game.Locations[1]);
    EXPECT_EQ(Lines(game), std::vector<std::string>{"error: location 21: beyond the map's 20 "
                                                    "locations; the player never reads it"});
}

TEST_F(GameCheckTest, AGeneralFileOfTheWrongLengthIsFoundInTheFolder) {
    const GameData game = ValidGame();
    testing::GameBuilder builder(folder_.Path());
    builder.Write(game);
    EXPECT_EQ(CheckGameFolder(GamePaths(folder_.Path())).size(), 0u);
    builder.WriteRaw("Morvane4.dat", builder.ReadRaw("Morvane4.dat") + "x");
    builder.WriteRaw("Morvane3.dat", builder.ReadRaw("Morvane3.dat") + "x");
    std::vector<std::string> lines;
    for (const Finding& finding : CheckGameFolder(GamePaths(folder_.Path()))) {
        if (finding.File == "general" || finding.File == "item") {
            lines.push_back(finding.Line());
        }
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "error: general: resource/Morvane4.dat is 909 bytes, not 908; the "
                         "player ignores it and uses its built-in settings",
                         "warning: item file: resource\\Morvane3.dat is 419 bytes, not a whole "
                         "number of 209-byte records; the partial record reads as blank"}));
}

}  // namespace
}  // namespace morvane
