#include "interaction/forms_main_view.h"

#include "../engine/engine_fixture.h"
#include "engine/conversations.h"
#include "engine/engine_wiring.h"
#include "platform/gif_writer.h"
#include "platform/picture_service.h"
#include "platform/runtime_fixture.h"
#include "support/gif_files.h"

namespace morvane {
namespace {

using testing::Slots;

// The engine driving the game's own main window.
class FormsMainViewTest : public ::testing::Test {
  protected:
    FormsMainViewTest() : state(GamePaths(folder.Path())), pictures(state.Paths) {
        runtime.desktop.SetPictures(&pictures);
        for (int k = 1; k <= 15; ++k) {
            forms.MousePoint.Pointer(k).SetPicture(pictures.BuiltIns().Defaults(k));
        }
        forms.Main.Load();
        AttachEngine(ctx);
        state.ItemInHand = kNoItemInHand;
        state.MenuScene = -1;
    }

    testing::TempFolder folder;
    GameState state;
    testing::Runtime runtime;
    PictureService pictures;
    Forms forms{runtime.desktop};
    testing::Trace trace;
    testing::FakeMovie movie{runtime.loop, trace};
    FormsMainView view{forms, movie};
    testing::FakeSound sound{trace};
    testing::FakeMusic music{trace};
    testing::RecordingBoxes boxes;
    testing::FakeHooks hooks{trace};
    testing::SilentUi ui;
    std::vector<std::string> log;
    EngineContext ctx{
        state, view,  runtime.loop, sound,
        music, boxes, hooks,        [this](const std::string& line) { log.push_back(line); }};
};

TEST_F(FormsMainViewTest, ASceneLoadsItsPicturesIntoTheMainWindowAndShowsItsConversation) {
    testing::GameBuilder(folder.Path())
        .WriteJson(R"({"scenes":[{"header":{"7":"back.gif"},"objects":)" +
                   Slots({{2, R"("kind":0,"pos1":30,"pos2":40,"s3":"lamp.gif","p16":1)"},
                          {3, R"("kind":8,"p12":1,"p13":1)"}}) +
                   R"(}],"conversations":[{"3":["Hello"]}]})");
    std::filesystem::create_directories(folder.Path() / "resource/gfx");
    WriteGif(folder.Path() / "resource/gfx/back.gif", testing::BlinkingGif(700, 475, 2));
    WriteGif(folder.Path() / "resource/gfx/lamp.gif", testing::BlinkingGif(20, 10, 2));
    OpenSceneBase(state, ui);
    OpenConvBase(state, ui);

    LoadScene(ctx, 1);

    EXPECT_TRUE(boxes.texts.empty()) << boxes.texts.front();
    const AnimatedPicture& lamp = forms.Main.Animation(2);
    EXPECT_TRUE(lamp.Visible());
    EXPECT_EQ(lamp.Left(), 30);
    EXPECT_EQ(lamp.Top(), 40);
    EXPECT_EQ(lamp.FrameCount(), 2);
    EXPECT_TRUE(lamp.Playing());
    EXPECT_FALSE(forms.Main.Animation(3).Visible());
    EXPECT_TRUE(forms.Main.ScnImg.Picture() != nullptr);
    EXPECT_TRUE(forms.Main.ConvBox.Visible());
    EXPECT_EQ(forms.Main.ConvText(1).Caption(), "Hello");
    EXPECT_EQ(forms.Main.ConvBox.Left() + forms.Main.ConvBox.Width(), 700);
    EXPECT_TRUE(view.ShowsPointer(kWaitPointer));
    runtime.loop.PassTime(200);
    EXPECT_TRUE(view.ShowsPointer(kNormalPointer));
    EXPECT_FALSE(forms.Main.Block.Visible());
}

}  // namespace
}  // namespace morvane
