#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interaction/main_window_events.h"
#include "interaction/map_window.h"
#include "interaction_fixture.h"
#include "support/count_of.h"

namespace morvane::testing {
namespace {

// A game with interface sounds whose scene 1 has a Link that opens the map.
class ButtonSoundsTest : public InteractionTest {
  protected:
    ButtonSoundsTest() {
        game_.General->MouseOverSound = Name("hover.wav");
        game_.General->ClickSound = Name("click.wav");
        folder_.Write("resource/mmedia/hover.wav", SilentWav());
        SceneRecord one;
        one.Objects(1) = Visible(1, {{23, 2}});
        game_.Scenes = {one};
    }

    void SetUp() override { Start(); }
};

// The main window's main-menu button belongs to the menus, the scene to the interaction; both
// keep the one last-hovered code, so crossing the scene lets the button sound again.
TEST_F(ButtonSoundsTest, TheMainMenuButtonSoundsAgainOnceThePointerCrossedTheScene) {
    struct Case {
        const char* name;
        std::vector<const char*> moves;
        int hover_sounds;
    };
    const Case cases[] = {
        {"staying on the button", {"button", "button"}, 1},
        {"over the scene and back", {"button", "scene", "button"}, 2},
        {"back and forth twice", {"button", "scene", "button", "scene", "scene", "button"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScnImg_MouseMove(Ctx());
        Output();
        for (const char* move : c.moves) {
            if (std::string(move) == "button") {
                Win().Main.MainMenuButtn.OnMouseMove(MouseArgs{});
            } else {
                ScnImg_MouseMove(Ctx());
            }
        }
        EXPECT_EQ(testing::CountOf(Output(), "media: sound 18 hover.wav"), c.hover_sounds);
    }
}

// The map's close button answers on the dialogue channel, not on the buttons channel.
TEST_F(ButtonSoundsTest, TheMapCloseButtonSoundsOnTheDialogueChannel) {
    Click(1);
    ASSERT_TRUE(State().MapOpen);
    ButtnCancel_MouseMove(Ctx());
    ButtnCancel_MouseMove(Ctx());
    ButtnCancel_Click(Ctx());
    const std::string out = Output();
    EXPECT_EQ(testing::CountOf(out, "media: sound 15 hover.wav"), 1) << out;
    EXPECT_EQ(testing::CountOf(out, "media: sound 15 click.wav"), 1) << out;
    EXPECT_EQ(testing::CountOf(out, "media: sound 18 "), 0) << out;
}

}  // namespace
}  // namespace morvane::testing
