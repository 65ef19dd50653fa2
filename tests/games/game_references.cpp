#include "games/game_references.h"

namespace morvane::testing {
namespace {

void Add(std::set<std::string>& names, const std::string& name) {
    if (!name.empty()) {
        names.insert(name);
    }
}

template <typename Text>
void Add(std::set<std::string>& names, const Text& text) {
    Add(names, text.Trimmed());
}

void AddGeneral(const GeneralRecord& general, GameReferences& refs) {
    Add(refs.Media, general.ClickSound);
    Add(refs.Media, general.ItemRequiredSound);
    Add(refs.Media, general.InventoryFullSound);
    Add(refs.Media, general.MenuMusic);
    Add(refs.Media, general.MouseOverSound);
    if (general.ClosingPictureOn == 1) {
        Add(refs.Pictures, general.ClosingPicture);
    }
    if (general.MenuButtonPictureChoice == 0) {
        for (const auto& picture : general.MenuButtonPictures) {
            Add(refs.Pictures, picture);
            Add(refs.Buttons, picture);
        }
    }
    const std::pair<Integer, const FixedText<15>*> buttons[] = {
        {general.InGameMenuButtonPictureChoice, &general.InGameMenuButtonPicture},
        {general.InGameSaveButtonPictureChoice, &general.InGameSaveButtonPicture},
        {general.ExamineButtonChoice, &general.ExamineButtonPicture},
    };
    for (const auto& [look, picture] : buttons) {
        if (look == 2) {
            Add(refs.Pictures, *picture);
            Add(refs.Buttons, *picture);
        }
    }
    if (general.MenuBackgroundChoice == 2) {
        Add(refs.Pictures, general.MenuBackground);
    }
    if (general.FrameChoice == 2) {
        Add(refs.Pictures, general.FramePicture);
    }
    for (const auto& pointer : general.Pointers) {
        Add(refs.Pictures, pointer);
    }
    const std::string credits = general.OpeningCredits.Trimmed();
    Add(credits.ends_with(".gif") ? refs.Pictures : refs.Media, credits);
    Add(refs.Media, general.IntroMovie);
}

void AddObject(const ObjectBlock& object, GameReferences& refs) {
    auto s = [&](int position) { return object.S(position).Trimmed(); };
    switch (object.Kind) {
        case 0:  // Ambient: picture and its sound
            Add(refs.Pictures, s(3));
            Add(refs.Media, s(4));
            break;
        case 1:  // Link, Goodie, Switch: picture and three sounds
        case 2:
        case 3:
            Add(refs.Pictures, s(3));
            Add(refs.Media, s(4));
            Add(refs.Media, s(5));
            Add(refs.Media, s(6));
            break;
        case 4:  // Reactor: picture, movie and sound
            Add(refs.Pictures, s(3));
            Add(refs.Media, s(4));
            Add(refs.Media, s(5));
            break;
        case 5:  // Responder: trigger sound, music, sound or movie
            if (object.P(12) == 2) {
                Add(refs.Media, s(3));
            }
            if (object.P(17) == 1) {
                Add(refs.Media, s(4));
            }
            if (object.P(19) == 1) {
                Add(refs.Media, s(5));
            }
            break;
        default:
            break;
    }
}

}  // namespace

GameReferences CollectReferences(const GameData& game) {
    GameReferences refs;
    if (game.General) {
        AddGeneral(*game.General, refs);
    }
    for (const SceneRecord& scene : game.Scenes) {
        Add(refs.Pictures, scene.Header.Background);
        if (scene.Header.SceneSoundtrack.Trimmed() != "(stop sndtrk)") {
            Add(refs.Media, scene.Header.SceneSoundtrack);
        }
        Add(refs.Media, scene.Header.EnterSound);
        Add(refs.Media, scene.Header.ExitSound);
        Add(refs.Media, scene.Header.LoopSound);
        Add(refs.Media, scene.Header.EnterMovie);
        Add(refs.Media, scene.Header.ExitMovie);
        for (int slot = 1; slot <= kObjectSlots; ++slot) {
            AddObject(scene.Objects(slot), refs);
        }
    }
    for (std::size_t i = 0; i < game.Locations.size(); ++i) {
        const LocationRecord& location = game.Locations[i];
        const std::string picture = location.Picture.Trimmed();
        if (picture != "Del" && picture != "(None)") {
            Add(refs.Pictures, picture);
        }
        if (i == 0) {
            Add(refs.Pictures, location.MapPicture);
        }
        if (location.PlaysFile == 1) {
            Add(refs.Media, location.File);
        }
    }
    for (const InventoryRecord& item : game.Items) {
        Add(refs.Pictures, item.Icon);
        Add(refs.Pictures, item.HighlightPointer);
        Add(refs.Pictures, item.HeldPointer);
        Add(refs.Pictures, item.CloseupPicture);
        Add(refs.Media, item.RefusalSound);
        Add(refs.Media, item.ExamineSound);
        Add(refs.Media, item.CombineSound);
    }
    for (const ConversationRecord& card : game.Conversations) {
        for (std::size_t line = 0; line < card.LineMedia.size(); ++line) {
            if (card.LineMediaOn[line] == 1) {
                Add(refs.Media, card.LineMedia[line]);
            }
        }
    }
    return refs;
}

}  // namespace morvane::testing
