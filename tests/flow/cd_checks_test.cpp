#include "flow/cd_checks.h"

#include <gtest/gtest.h>

#include <string>

#include "flow_fixture.h"
#include "support/count_of.h"

namespace morvane::testing {
namespace {

constexpr const char* kUnknownCdText =
    "msgbox: Morvane Engine | This application has been set up to run from a CD, and is "
    "currently running from a CD.  However, the Morvane Engine was unable to determine which CD "
    "is inserted into the drive.  Possible cause: CD Labels entered into Morvane do not match "
    "actual volume labels of the CDs.  Without knowing which CD has been inserted, it is "
    "impossible to continue.  Please correct the problem and try again.";

// A game on four CDs: CD 1 holds scenes 1 to 3, CD 2 scenes 4 to 6, CD 3 scenes 5 to 8 (so 5
// and 6 lie on both), CD 4 scene 10.
class CdChecksTest : public FlowTest {
  protected:
    void MakeCdGame(bool run_from_cd, const std::string& cd3_label = "KEEPER_3") {
        GeneralRecord general = PlainGeneral();
        general.RunsFromCd = run_from_cd ? 1 : 0;
        general.CdLabels = {FixedText<20>("KEEPER_1"), FixedText<20>("Keeper_2"),
                            FixedText<20>(cd3_label), FixedText<20>("KEEPER_4")};
        general.CdFirstScene = {1, 4, 5, 10};
        general.CdLastScene = {3, 6, 8, 10};
        MakeGame(general);
    }

    // The game folder's drive: a disc of `type` labelled `label`.
    void PutGameOn(const std::string& type, std::optional<std::string> label) {
        drives_.table = FixedDrives({
            {{"/", "ext4", "/dev/sda1"}, "SYSTEM"},
            {{folder_.Path().string(), type, "/dev/sr0"}, std::move(label)},
        });
    }

    void InsertDisc(const std::string& label) {
        drives_.table.SetLabel(folder_.Path().string(), label);
    }

    std::string Boxes() const { return runtime_.out.str(); }
    int Prompts(int cd) const {
        return CountOf(Boxes(), "msgbox: Test Game | Please Insert CD #" + std::to_string(cd) +
                                    ".  Click OK after CD has spun down.");
    }

    // Starts the game with CD `cd` identified in the drive.
    void StartOnCd(int cd, bool run_from_cd = true) {
        MakeCdGame(run_from_cd);
        PutGameOn("iso9660", "KEEPER_" + std::to_string(cd));
        StartToMenu();
        ASSERT_EQ(state_.CurrentCd, cd);
        runtime_.out.str("");
    }

    bool Check(Integer scene) { return CheckSceneCd(flow_->Context(), scene); }
};

TEST_F(CdChecksTest, AGameOnAHardDiskIsNeverOnCd) {
    MakeCdGame(true);
    PutGameOn("ext4", "KEEPER_1");
    StartToMenu();
    EXPECT_FALSE(state_.RunningFromCD);
    EXPECT_EQ(state_.CurrentCd, 0);
    EXPECT_EQ(services_.Count("VolumeLabel"), 0);
    EXPECT_EQ(Boxes(), "");
    // Without an identified CD the scene check asks nothing.
    EXPECT_TRUE(Check(9));
    EXPECT_EQ(Boxes(), "");
}

TEST_F(CdChecksTest, TheLabelIdentifiesTheCdInAnyLetterCase) {
    struct Case {
        std::string label;
        int cd;
        std::string cd3_label;
    };
    // When two CDs carry the label, the later one wins.
    const Case cases[] = {{"keeper_2", 2, "KEEPER_3"},
                          {"KEEPER_2", 2, "KEEPER_3"},
                          {"Keeper_1", 1, "KEEPER_3"},
                          {"KEEPER_4", 4, "KEEPER_3"},
                          {"KEEPER_1", 3, "keeper_1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label + " with CD 3 labelled " + c.cd3_label);
        MakeCdGame(true, c.cd3_label);
        PutGameOn("udf", c.label);
        StartToMenu();
        EXPECT_TRUE(state_.RunningFromCD);
        EXPECT_EQ(state_.CurrentCd, c.cd);
        EXPECT_TRUE(forms_.MainMenu.Visible());
        // The label is read afresh for each of the four CDs.
        EXPECT_EQ(services_.Count("VolumeLabel"), 4);
        services_.calls.clear();
        state_.CurrentCd = 0;
        state_.RunningFromCD = false;
    }
}

TEST_F(CdChecksTest, AnUnknownDiscStopsOnlyAGameSetUpToRunFromCd) {
    MakeCdGame(false);
    PutGameOn("iso9660", "HOLIDAY_PHOTOS");
    StartToMenu();
    EXPECT_TRUE(state_.RunningFromCD);
    EXPECT_EQ(state_.CurrentCd, 0);
    EXPECT_EQ(Boxes(), "");
    EXPECT_FALSE(services_.ended);

    MakeCdGame(true);
    PutGameOn("iso9660", std::nullopt);
    state_.RunningFromCD = false;
    services_.calls.clear();
    flow_->Start();
    runtime_.loop.WaitUntil([this] { return services_.ended; }, 60'000);
    EXPECT_TRUE(services_.ended);
    EXPECT_NE(Boxes().find(kUnknownCdText), std::string::npos) << Boxes();
    EXPECT_FALSE(forms_.MainMenu.Visible());
    EXPECT_EQ(services_.Count("MakeSavedGamesFolder"), 0);
}

TEST_F(CdChecksTest, TheRightCdInTheDriveAsksNothing) {
    StartOnCd(1);
    const int reads = services_.Count("VolumeLabel");
    for (const int scene : {1, 2, 3}) {
        EXPECT_TRUE(Check(static_cast<Integer>(scene)));
    }
    EXPECT_EQ(Boxes(), "");
    EXPECT_EQ(services_.Count("VolumeLabel"), reads);
}

TEST_F(CdChecksTest, AnotherCdIsAskedForUntilItsLabelIsInTheDrive) {
    StartOnCd(1);
    // The first OK comes before the disc is changed, the second after.
    runtime_.message_box.QueueAnswer(MsgBoxResult::kOk);
    runtime_.message_box.QueueAnswer(MsgBoxResult::kOk);
    runtime_.loop.Post([this] { runtime_.loop.Post([this] { InsertDisc("KEEPER_2"); }); });
    EXPECT_TRUE(Check(4));
    EXPECT_EQ(Prompts(2), 2) << Boxes();
    EXPECT_EQ(state_.CurrentCd, 2);
    EXPECT_FALSE(services_.ended);
    // Now CD 2 is in, its scenes ask nothing.
    runtime_.out.str("");
    EXPECT_TRUE(Check(6));
    EXPECT_EQ(Boxes(), "");
}

TEST_F(CdChecksTest, OverlappingRangesAskForTheLaterCdUnlessEitherIsIn) {
    StartOnCd(2);
    EXPECT_TRUE(Check(5));
    EXPECT_TRUE(Check(6));
    EXPECT_EQ(Boxes(), "");

    StartOnCd(1);
    runtime_.message_box.QueueAnswer(MsgBoxResult::kOk);
    runtime_.loop.Post([this] { InsertDisc("keeper_3"); });
    EXPECT_TRUE(Check(5));
    EXPECT_EQ(Prompts(3), 1) << Boxes();
    EXPECT_EQ(Prompts(2), 0) << Boxes();
    EXPECT_EQ(state_.CurrentCd, 3);
}

TEST_F(CdChecksTest, ASceneOnNoCdStopsAGameSetUpToRunFromCd) {
    StartOnCd(1);
    EXPECT_FALSE(Check(20));
    EXPECT_TRUE(services_.ended);
    EXPECT_NE(Boxes().find("msgbox: Morvane Player | This application has been set up to run "
                           "from a CD, and is currently running from a CD.  However, the Morvane "
                           "Engine was unable to determine which CD is required for Scene #20.  "
                           "Possible cause: Scene Resource setup was not done correcly.  Without "
                           "knowing which CD is required, it is impossible to continue.  Please "
                           "correct the problem and try again."),
              std::string::npos)
        << Boxes();
}

TEST_F(CdChecksTest, ASceneOnNoCdLoadsFromWhereItIsWithoutTheOption) {
    StartOnCd(1, false);
    EXPECT_TRUE(Check(20));
    EXPECT_EQ(Boxes(), "");
    EXPECT_EQ(state_.CurrentCd, 1);
    EXPECT_FALSE(services_.ended);
}

TEST_F(CdChecksTest, CancelEndsTheGame) {
    StartOnCd(1);
    runtime_.message_box.QueueAnswer(MsgBoxResult::kOk);
    runtime_.message_box.QueueAnswer(MsgBoxResult::kCancel);
    EXPECT_FALSE(Check(10));
    EXPECT_EQ(Prompts(4), 2) << Boxes();
    EXPECT_TRUE(services_.ended);
    EXPECT_EQ(state_.CurrentCd, 1);
    EXPECT_EQ(services_.Count("EndProcess"), 1);
}

TEST_F(CdChecksTest, AnUnattendedPromptIsNotAnsweredOkForEver) {
    StartOnCd(1);
    EXPECT_FALSE(Check(4));
    EXPECT_EQ(Prompts(2), 1) << Boxes();
    EXPECT_TRUE(services_.ended);
}

}  // namespace
}  // namespace morvane::testing
