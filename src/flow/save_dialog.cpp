#include "flow/save_dialog.h"

#include "flow/builtin_look_apply.h"
#include "flow/button_frames.h"
#include "flow/dialog_buttons.h"
#include "flow/saved_game_file.h"
#include "flow/saved_game_name.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

void ShowSavedGames(FileListBox& list, const SavedGamesState& saves) {
    try {
        list.SetPattern("*.sav");
        list.SetPath(saves.Folder);
    } catch (const RuntimeError&) {
        // A folder that went away since start-up lists nothing; saving reports why it fails.
        list.Clear();
    }
}

void SaveGame_Load(FlowContext& ctx) {
    SaveGame& dialog = ctx.Windows.SaveGame;
    CentreOnScreen(ctx, dialog);
    dialog.Text1.SetText("Filename");
    dialog.Text2.SetText("Game Description");
}

void SaveGame_Activate(FlowContext& ctx) {
    SaveGame& dialog = ctx.Windows.SaveGame;
    ApplyDialogLook(dialog, ctx.Look);
    ShowSavedGames(dialog.File1, ctx.Saves);
    dialog.Text1.SelectAll();
    dialog.Text2.SelectAll();
    dialog.SetFocus(&dialog.Text1);
    ctx.Saves.SaveDialogClosing = false;
    ShowDialogLooks(dialog, false, false);
}

void File1_Click(FlowContext& ctx) {
    SaveGame& dialog = ctx.Windows.SaveGame;
    const std::string name = dialog.File1.FileName();
    if (name.empty()) {
        return;
    }
    dialog.Text1.SetText(name);
    ReadSaveHeader(ctx, name);
    dialog.Text2.SetText(ctx.Saves.Header.Description);
}

// The dialog goes and the game it was opened from takes the input again.
void CloseDialog(FlowContext& ctx) {
    ctx.Saves.SaveDialogClosing = true;
    ctx.Windows.SaveGame.Hide();
    ctx.State.QuitQueryOpen = false;
    ctx.Windows.Main.Show();
}

void ButtnOK_Click(FlowContext& ctx) {
    SaveGame& dialog = ctx.Windows.SaveGame;
    if (ctx.Saves.SaveDialogClosing) {
        return;
    }
    const SaveFileName name = MakeSaveFileName(dialog.Text1.Text());
    if (name.verdict != SaveFileName::Verdict::kOk) {
        dialog.Label1.SetCaption(name.verdict == SaveFileName::Verdict::kForbidden
                                     ? std::string(kEnterFilename) + "\r\n" + kFilenameRule
                                     : std::string(kEnterFilename));
        ShowForOneSecond(dialog.Label1, dialog.MsgTimer);
        return;
    }
    dialog.Label1.SetVisible(false);
    dialog.MsgTimer.SetEnabled(false);
    ShowDialogLooks(dialog, false, false);
    DialogOkSound(ctx);
    std::string file = dialog.Text1.Text();
    if (SaveGameFile(ctx, file, dialog.Text2.Text())) {
        CloseDialog(ctx);
    }
}

void ButtnC_Click(FlowContext& ctx) {
    SaveGame& dialog = ctx.Windows.SaveGame;
    if (ctx.Saves.SaveDialogClosing) {
        return;
    }
    dialog.Label1.SetVisible(false);
    dialog.MsgTimer.SetEnabled(false);
    PlayClickSound(ctx);
    CloseDialog(ctx);
}

void SaveGameButtn_MouseMove(FlowContext& ctx) {
    if (PointerIs(ctx, kWaitPointer)) {
        return;
    }
    Main& main = ctx.Windows.Main;
    ShowButtonFrame(main.SGB_Resource, main.SaveGameButtn, kHighlightedFrame);
    if (!PointerIs(ctx, kNormalPointer)) {
        ShowPointer(ctx, kNormalPointer);
    }
    DialogHoverSound(ctx, hover::kSaveButton);
}

}  // namespace

void SaveGameButtn_Click(FlowContext& ctx) {
    const GameState& state = ctx.State;
    // As the main-menu button: nothing is saved half-way through a scene change, or over the
    // quit question, the map or a close-up.
    if (PointerIs(ctx, kWaitPointer) || state.SceneLoading || state.QuitQueryOpen ||
        state.MapOpen || state.Examining) {
        return;
    }
    PlayClickSound(ctx);
    try {
        CaptureSaveState(ctx);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "CaptureSaveState", error);
        return;
    }
    ctx.Windows.SaveGame.ShowModal();
}

void AttachSaveDialog(FlowContext& ctx) {
    Main& main = ctx.Windows.Main;
    main.SaveGameButtn.OnMouseMove = [&ctx](const MouseArgs&) { SaveGameButtn_MouseMove(ctx); };
    main.SaveGameButtn.OnClick = [&ctx] { SaveGameButtn_Click(ctx); };
    main.SGB_Resource.OnReadFinished = [&main] {
        ShowButtonFrame(main.SGB_Resource, main.SaveGameButtn, kNormalFrame);
    };

    SaveGame& dialog = ctx.Windows.SaveGame;
    dialog.OnLoad = [&ctx] { SaveGame_Load(ctx); };
    dialog.OnActivate = [&ctx] { SaveGame_Activate(ctx); };
    dialog.File1.OnClick = [&ctx] { File1_Click(ctx); };
    dialog.ButtnOK.OnClick = [&ctx] { ButtnOK_Click(ctx); };
    dialog.ButtnC.OnClick = [&ctx] { ButtnC_Click(ctx); };
    AttachDialogHover(ctx, dialog);
    // Escape and Enter answer as Cancel and OK; every other key goes to the box with the focus.
    dialog.OnKeyDown = [&ctx](int& key_code, int) {
        if (key_code == key::kEscape) {
            key_code = 0;
            ButtnC_Click(ctx);
        } else if (key_code == key::kReturn) {
            key_code = 0;
            ButtnOK_Click(ctx);
        }
    };
    dialog.MsgTimer.OnTimer = [&dialog] {
        dialog.MsgTimer.SetEnabled(false);
        dialog.Label1.SetVisible(false);
    };
}

}  // namespace morvane
