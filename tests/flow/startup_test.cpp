#include <gtest/gtest.h>

#include "flow/flow_fixture.h"

namespace morvane::testing {
namespace {

using StartupTest = FlowTest;

TEST_F(StartupTest, LogoFieldOneSkipsTheEngineLogo) {
    MakeGameWith([](GeneralRecord& general) { general.StartupLogoOption = FixedText<15>(" 1 "); });
    bool logo_seen = false;
    flow_->Start();
    ASSERT_TRUE(runtime_.loop.WaitUntil(
        [&] {
            logo_seen = logo_seen || forms_.StartForm.MVXGIFLogo.Visible();
            return forms_.MainMenu.Visible();
        },
        60'000));
    EXPECT_FALSE(logo_seen);
    EXPECT_EQ(services_.Count("InitMidi"), 1);
}

TEST_F(StartupTest, WithoutTheOptionTheLogoPlaysOnceAndThenTheGameIsSetUp) {
    MakeGameWith([](GeneralRecord& general) { general.StartupLogoOption = FixedText<15>(""); });
    flow_->Start();
    ASSERT_TRUE(
        runtime_.loop.WaitUntil([&] { return forms_.StartForm.MVXGIFLogo.Visible(); }, 60'000));
    EXPECT_TRUE(forms_.StartForm.MorvaneURL.Visible());
    EXPECT_FALSE(forms_.StartForm.Label1.Visible());
    // Every window is loaded, hidden, before the logo shows.
    EXPECT_TRUE(forms_.Main.IsLoaded());
    EXPECT_TRUE(forms_.MapWindow.IsLoaded());
    EXPECT_FALSE(forms_.Main.Visible());
    EXPECT_EQ(services_.Count("InitMidi"), 0);
    ASSERT_TRUE(runtime_.loop.WaitUntil([&] { return forms_.MainMenu.Visible(); }, 60'000));
    EXPECT_FALSE(forms_.StartForm.MVXGIFLogo.Visible());
    EXPECT_EQ(services_.Count("InitMidi"), 1);
}

TEST_F(StartupTest, StartAppRunsOnceWhenEscapeAndTheLogosEndBothComeAlong) {
    MakeGameWith([](GeneralRecord& general) { general.StartupLogoOption = FixedText<15>(""); });
    flow_->Start();
    ASSERT_TRUE(
        runtime_.loop.WaitUntil([&] { return forms_.StartForm.MVXGIFLogo.Visible(); }, 60'000));
    Play({Key(key::kEscape), Wait(200), Key(key::kEscape),
          Do([this] { forms_.StartForm.MVXGIFLogo.OnPlayFinished(); }), Wait(10'000)});
    EXPECT_TRUE(forms_.MainMenu.Visible());
    EXPECT_EQ(services_.Count("InitMidi"), 1);
    // The drives are looked at once, by the CD identification.
    EXPECT_EQ(services_.Count("Mounts"), 1);
}

TEST_F(StartupTest, StartAppOpensTheGameInItsOrderAndShowsTheMenu) {
    StartWith();
    std::vector<std::string> order;
    for (const std::string& call : services_.calls) {
        if (call == "CheckRes" || call == "InitMidi" || call == "Mounts") {
            order.push_back(call);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string>{"CheckRes", "InitMidi", "Mounts"}));
    // The game folder can be written, so its saved games go into its own "Saved".
    EXPECT_EQ(flow_->Context().Saves.Folder, folder_.Path() / "Saved");
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path() / "Saved"));
    EXPECT_EQ(state_.SceneCount, 3);
    EXPECT_FALSE(flow_->Context().Flow.StartingUp);
}

TEST_F(StartupTest, StillGifCreditsStayTwoSecondsAndEscapeEndsAnimatedOnes) {
    WriteGif("still.gif", 40, 30, 1);
    WriteGif("anim.gif", 40, 30, 200);
    for (const std::string credits : {"still.gif", "anim.gif"}) {
        SCOPED_TRACE(credits);
        MakeGameWith(
            [&](GeneralRecord& general) { general.OpeningCredits = FixedText<15>(credits); });
        TimeMs shown_at = -1;
        const bool animated = credits == "anim.gif";
        // 200 frames of 100 ms would take 20 s; Escape ends them at once.
        Play({Do([this] { flow_->Start(); }), Wait(1500), Do([&] {
                  if (forms_.StartForm.UserAnimLogo.Visible()) {
                      shown_at = runtime_.loop.Now();
                  }
              }),
              Key(animated ? key::kEscape : 0), Wait(3000)});
        ASSERT_GE(shown_at, 0);
        ASSERT_TRUE(forms_.MainMenu.Visible());
        const TimeMs took = menu_shown_at_ - shown_at;
        if (animated) {
            EXPECT_LT(took, 2000);
        } else {
            EXPECT_GE(took, 2000);
        }
        EXPECT_TRUE(flow_->Context().Flow.UserLogoDone);
        EXPECT_FALSE(forms_.StartForm.UserAnimLogo.Visible());
    }
}

TEST_F(StartupTest, CreditsThatCannotBeReadAreReportedAndStartUpGoesOn) {
    for (const std::string credits : {"nothere.gif", "nothere.avi"}) {
        SCOPED_TRACE(credits);
        StartWith([&](GeneralRecord& general) { general.OpeningCredits = FixedText<15>(credits); });
        const std::string report = runtime_.out.str();
        EXPECT_NE(report.find(credits.ends_with("gif") ? "PlayOpenCredsGif" : "PlayOpenCredsAVI"),
                  std::string::npos);
        EXPECT_FALSE(flow_->Context().Flow.UserLogoShowing);
        forms_.MainMenu.Hide();
    }
}

}  // namespace
}  // namespace morvane::testing
