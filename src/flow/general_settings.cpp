#include "flow/general_settings.h"

#include <string>

#include "base/text.h"
#include "engine/database_open.h"
#include "engine/game_folder.h"
#include "flow/button_frames.h"
#include "flow/intro_movie.h"
#include "flow/opening_credits.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"

namespace morvane {
namespace {

// A picture the general record names from the game's pictures; nothing when it names none or
// the file cannot be shown, so the built-in picture stays.
PicturePtr GamePicture(FlowContext& ctx, const std::string& name) {
    if (name.empty()) {
        return nullptr;
    }
    return ctx.GetDesktop().Pictures().Load(GfxPath(ctx.State, name)).picture;
}

void LoadInto(FlowContext& ctx, AnimatedPicture& source, const std::string& name) {
    if (PicturePtr picture = GamePicture(ctx, name)) {
        source.SetPictureFile(std::move(picture));
    }
}

void LoadInto(FlowContext& ctx, Control& control, const std::string& name) {
    if (PicturePtr picture = GamePicture(ctx, name)) {
        control.SetPicture(std::move(picture));
    }
}

void ShowWithTag(Control& control, bool shown) {
    control.SetVisible(shown);
    control.SetTag(shown ? "True" : "False");
}

void ApplySaving(FlowContext& ctx, const GeneralRecord& general) {
    if (general.SavedGamesEnabled != 0 && general.SavedGamesEnabled != 1) {
        return;
    }
    const bool enabled = general.SavedGamesEnabled == 1;
    ctx.Windows.MainMenu.Buttn(3).SetEnabled(enabled);
    ctx.Windows.Main.SaveGameButtn.SetEnabled(enabled);
}

void ApplyValues(FlowContext& ctx, const GeneralRecord& general) {
    GeneralSettings& s = ctx.State.Settings;
    s.MenuMusic = general.MenuMusic.Trimmed();
    s.MenuMusicVolume = general.MenuMusicVolume;
    s.InventoryFullSound = general.InventoryFullSound.Trimmed();
    s.InventoryFullVolume = general.InventoryFullVolume;
    s.InventoryFullPan = general.InventoryFullPan;
    s.MouseOverSound = general.MouseOverSound.Trimmed();
    s.MouseOverVolume = general.MouseOverVolume;
    s.MouseOverPan = general.MouseOverPan;
    s.ClickSound = general.ClickSound.Trimmed();
    s.ClickVolume = general.ClickVolume;
    s.ClickPan = general.ClickPan;
    s.ItemRequiredSound = general.ItemRequiredSound.Trimmed();
    s.ItemRequiredPan = general.ItemRequiredPan;
    s.ItemRequiredVolume = general.ItemRequiredVolume;
    s.MovieSizeMode = general.MovieSizeMode;
    ctx.State.GameTitle = general.GameTitle.Trimmed();
    s.ExitPicture = general.ClosingPicture.Trimmed();
    s.ExitPictureEnabled = general.ClosingPictureOn == 1 && !s.ExitPicture.empty();
    ctx.State.DebugMode = general.DebugMode;
    for (std::size_t cd = 0; cd < s.CdLabels.size(); ++cd) {
        s.CdLabels[cd] = general.CdLabels[cd].Trimmed();
        s.CdFirstScene[cd] = general.CdFirstScene[cd];
        s.CdLastScene[cd] = general.CdLastScene[cd];
    }
    s.RunFromCd = general.RunsFromCd == 1;
    // The windows carry the game's title; the main window's is the one the system shows.
    ctx.Windows.Main.SetCaption(ctx.State.GameTitle);
    ctx.Windows.MainMenu.SetCaption(ctx.State.GameTitle);
}

void ApplyScore(FlowContext& ctx, const GeneralRecord& general) {
    Main& main = ctx.Windows.Main;
    if (general.ScoreShown == 0) {
        ShowWithTag(main.SmallScore, false);
        ShowWithTag(main.LargeScore, false);
    } else if (general.ScoreShown == 1) {
        ctx.State.ScoreFlag = general.ScoreFlag;
        if (general.ScoreSize == 1) {
            ShowWithTag(main.SmallScore, true);
            if (general.MaxScore == 0) {
                main.SmallScore.Move(610, main.SmallScore.Top(), 60, main.SmallScore.Height());
            }
        } else if (general.ScoreSize == 2) {
            ShowWithTag(main.LargeScore, true);
            if (general.MaxScore == 0) {
                main.LargeScore.Move(541, main.LargeScore.Top(), 135, main.LargeScore.Height());
            }
        }
    }
    main.MaxScore_Small.SetCaption(std::to_string(general.MaxScore));
    main.MaxScore_Large.SetCaption(std::to_string(general.MaxScore));
}

void ApplyInterface(FlowContext& ctx, const GeneralRecord& general) {
    Main& main = ctx.Windows.Main;
    MainMenu& menu = ctx.Windows.MainMenu;
    ctx.State.MenuScene = general.MenuScene;
    if (general.MenuBackgroundChoice == 2) {
        LoadInto(ctx, menu.Picture1, general.MenuBackground.Trimmed());
    }
    if (general.FrameChoice == 2) {
        LoadInto(ctx, main.Picture1, general.FramePicture.Trimmed());
    }
    for (int button = 1; button <= 5; ++button) {
        const Integer shown = general.MenuButtonShown[static_cast<std::size_t>(button - 1)];
        if (shown == 0 || shown == 1) {
            menu.Buttn(button).SetVisible(shown == 1);
        }
    }
    if (general.MenuButtonPictureChoice == 0) {
        for (int button = 1; button <= 5; ++button) {
            LoadInto(ctx, main.ButtnDefault(button),
                     general.MenuButtonPictures[static_cast<std::size_t>(button - 1)].Trimmed());
        }
    }
    if (general.InGameMenuButtonShown == 0 || general.InGameMenuButtonShown == 1) {
        main.MainMenuButtn.SetVisible(general.InGameMenuButtonShown == 1);
    }
    if (general.InGameSaveButtonShown == 0 || general.InGameSaveButtonShown == 1) {
        ShowWithTag(main.SaveGameButtn, general.InGameSaveButtonShown == 1);
    }
    if (general.InGameMenuButtonPictureChoice == 2) {
        LoadInto(ctx, main.MMB_Resource, general.InGameMenuButtonPicture.Trimmed());
    }
    if (general.InGameSaveButtonPictureChoice == 2) {
        LoadInto(ctx, main.SGB_Resource, general.InGameSaveButtonPicture.Trimmed());
    }
    if (general.ExamineButtonChoice == 2) {
        LoadInto(ctx, main.EI_Resource, general.ExamineButtonPicture.Trimmed());
    }
    ApplySaving(ctx, general);
    if (general.InventoryBarShown == 0 || general.InventoryBarShown == 1) {
        ShowWithTag(main.InvBar, general.InventoryBarShown == 1);
        ShowWithTag(main.ExamineItem, general.InventoryBarShown == 1);
    }
    ApplyScore(ctx, general);
    ShowButtonFrame(main.MMB_Resource, main.MainMenuButtn, kNormalFrame);
    ShowButtonFrame(main.SGB_Resource, main.SaveGameButtn, kNormalFrame);
    ShowButtonFrame(main.EI_Resource, main.ExamineItem, kNormalFrame);
    // The menu was loaded before the settings were read: it shows the game's own buttons now.
    for (int button = 1; button <= 5; ++button) {
        ShowButtonFrame(main.ButtnDefault(button), menu.Buttn(button), kNormalFrame);
    }
}

void ApplyPointers(FlowContext& ctx, const GeneralRecord& general) {
    for (int image = 1; image <= MousePoint::kPointers; ++image) {
        const std::string name = general.Pointers[static_cast<std::size_t>(image - 1)].Trimmed();
        Image& pointer = ctx.Windows.MousePoint.Pointer(image);
        pointer.SetTag(name);
        if (PicturePtr picture = GamePicture(ctx, name)) {
            pointer.SetPicture(std::move(picture));
        }
    }
}

void ApplyCredits(FlowContext& ctx, const GeneralRecord& general) {
    const std::string credits = general.OpeningCredits.Trimmed();
    if (credits.empty()) {
        ctx.Flow.UserLogoShowing = false;
        return;
    }
    const std::string kind = FileKind(credits);
    if (kind == "gif") {
        PlayOpenCredsGif(ctx, credits);
    } else if (kind == "avi") {
        PlayOpenCredsAVI(ctx, credits);
    } else {
        return;
    }
    WaitForCredits(ctx);
}

void ApplyIntro(FlowContext& ctx, const GeneralRecord& general) {
    FlowState& flow = ctx.Flow;
    if ((flow.StartingUp && general.IntroAtStartUp == 0) ||
        (flow.NewGameStarting && general.IntroAtNewGame == 0)) {
        return;
    }
    MainMenu& menu = ctx.Windows.MainMenu;
    const std::string intro = general.IntroMovie.Trimmed();
    if (!intro.empty()) {
        ctx.Windows.IntroFrm.UserIntro.SetVisible(false);
        ctx.Windows.IntroFrm.UserIntroMovie.SetVisible(true);
        PlayIntroAVI(ctx, intro, general.IntroMovieArgument);
    }
    if (!flow.NewGameStarting) {
        menu.Show();
        ctx.GetDesktop().SetTopmost(menu, true);
    }
}

}  // namespace

void ApplyGeneralSettings(FlowContext& ctx, Integer mode) {
    if (mode < 0 || mode > 6) {
        return;
    }
    const GeneralRecord general = ReadGeneralRecord(ctx.State);
    switch (mode) {
        case 0:
            ApplySaving(ctx, general);
            break;
        case 1:
            ApplyValues(ctx, general);
            break;
        case 2:
            ApplyInterface(ctx, general);
            break;
        case 3:
            ApplyPointers(ctx, general);
            break;
        case 4:
            ApplyCredits(ctx, general);
            break;
        case 5:
            ApplyIntro(ctx, general);
            break;
        default:
            ctx.Flow.IntroMovieExists = !general.IntroMovie.Trimmed().empty();
            break;
    }
}

void UseBuiltInPointersWhereMissing(FlowContext& ctx) {
    MousePoint& pointers = ctx.Windows.MousePoint;
    for (int image = 1; image <= MousePoint::kPointers; ++image) {
        if (pointers.Pointer(image).Picture() == nullptr) {
            pointers.Pointer(image).SetPicture(pointers.Defaults(image).Picture());
        }
    }
}

}  // namespace morvane
