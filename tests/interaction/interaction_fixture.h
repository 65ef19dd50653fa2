#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../platform/fake_picture.h"
#include "database/game_data.h"
#include "engine/scene_loader.h"
#include "interaction/inventory.h"
#include "interaction/scene_objects.h"
#include "platform/gif_writer.h"
#include "player/player.h"
#include "support/game_builder.h"
#include "support/gif_files.h"
#include "support/media_files.h"
#include "support/temp_folder.h"

namespace morvane::testing {

using ::testing::HasSubstr;

inline FixedText<15> Name(const std::string& text) {
    return FixedText<15>(text);
}

// An object shown from the start of the scene: the kinds keep their visibility in different
// fields.
inline ObjectBlock Visible(Integer kind) {
    ObjectBlock block;
    block.Kind = kind;
    const int field = kind == 1 ? 25 : kind == 2 ? 23 : kind == 3 ? 24 : kind == 4 ? 16 : 0;
    if (field != 0) {
        block.P(field) = 1;
    }
    return block;
}

// The same with numbered fields (p12 to p44) and text fields (s3 to s11) set.
inline ObjectBlock Visible(Integer kind, std::initializer_list<std::pair<int, Integer>> numbers,
                           std::initializer_list<std::pair<int, const char*>> texts = {}) {
    ObjectBlock block = Visible(kind);
    for (const auto& [position, value] : numbers) {
        block.P(position) = value;
    }
    for (const auto& [position, text] : texts) {
        block.S(position) = Name(text);
    }
    return block;
}

// An item that may be carried more than once, with its own refusal sound.
inline InventoryRecord Item(const std::string& refusal = "") {
    InventoryRecord item;
    item.MultipleCopies = 1;
    item.RefusalSound = Name(refusal);
    return item;
}

// A player started headless on a game the test writes, with logging and media tracing on and a
// pointer set whose 15 pictures can be told apart.
class InteractionTest : public ::testing::Test {
  protected:
    InteractionTest() {
        game_.General = GeneralRecord{};
        game_.General->ItemRequiredSound = Name("need.wav");
        game_.General->InventoryFullSound = Name("full.wav");
        for (const char* sound : {"need.wav", "full.wav", "no.wav", "click.wav", "take.wav",
                                  "on.wav", "off.wav", "bell.wav", "look.wav", "join.wav"}) {
            folder_.Write(std::string("resource/mmedia/") + sound, SilentWav());
        }
        folder_.Write("resource/gfx/lever.gif", EncodeGif(BlinkingGif(4, 4, 3)));
        folder_.Write("resource/gfx/close.gif", EncodeGif(BlinkingGif(4, 4, 2)));
    }

    // Writes the game, starts the player and plays scene `scene` when it is not 0.
    void Start(Integer scene = 1) {
        GameBuilder(folder_.Path()).Write(game_);
        PlayerOptions options;
        options.game_folder = folder_.Path();
        options.headless = true;
        options.log = true;
        options.trace_media = true;
        player_ = std::make_unique<Player>(options, out_);
        Forms& forms = player_->GetForms();
        for (int n = 1; n <= MousePoint::kPointers; ++n) {
            forms.MousePoint.Pointer(n).SetPicture(
                MakeBlankPicture("pointer " + std::to_string(n)));
            forms.MousePoint.Defaults(n).SetPicture(
                MakeBlankPicture("default " + std::to_string(n)));
        }
        // Start-up runs its course (logo, databases, main menu) before the test takes over.
        std::ostringstream errors;
        player_->Run(ParseScript("wait 8000\n").commands, errors);
        forms.MainMenu.Hide();
        forms.Main.Show();
        if (scene != 0) {
            Enter(scene);
        }
        Output();
    }

    void Enter(Integer scene) {
        LoadScene(player_->Engine(), scene);
        Settle();
    }

    // Lets the scene's timers and any animation run out.
    void Settle() { player_->Loop().PassTime(2000); }

    // Everything printed since the last call.
    std::string Output() {
        std::string text = out_.str();
        out_.str("");
        return text;
    }

    // Puts the items into the inventory bar, quietly.
    void Give(const std::vector<Integer>& items) {
        for (Integer item : items) {
            AddInventoryItem(Ctx(), item, false, 0);
        }
        Output();
    }

    // Clicks object `slot` and returns what that printed.
    std::string Click(int slot) {
        Animation_Click(Ctx(), slot);
        return Output();
    }

    InteractionContext& Ctx() { return player_->Interaction(); }
    GameState& State() { return player_->State(); }
    Forms& Win() { return player_->GetForms(); }

    std::optional<std::string> PlayingOn(int channel) { return player_->Sound().Playing(channel); }

    bool PointerIs(int image) {
        return player_->GetDesktop().Pointer().Picture() ==
               Win().MousePoint.Pointer(image).Picture();
    }

    std::vector<Integer> Inventory() {
        std::vector<Integer> items;
        for (Integer k = 1; k <= State().InventoryCount; ++k) {
            items.push_back(State().SlotItem(k));
        }
        return items;
    }

    TempFolder folder_;
    GameData game_;
    std::ostringstream out_;
    std::unique_ptr<Player> player_;
};

}  // namespace morvane::testing
