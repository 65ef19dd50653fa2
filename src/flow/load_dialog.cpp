#include "flow/load_dialog.h"

#include <system_error>

#include "base/text.h"
#include "flow/builtin_look_apply.h"
#include "flow/dialog_buttons.h"
#include "flow/saved_game_file.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

constexpr Integer kSoundtrackChannel = 19;
// A picture file larger than this is not a picture the player made; it is not shown.
constexpr std::uintmax_t kLargestThumbnailBytes = 1 << 20;

void ShowPreview(FlowContext& ctx, const std::string& name) {
    Image& preview = ctx.Windows.LoadGame.Preview;
    preview.SetPicture(nullptr);
    preview.SetVisible(false);
    const fs::path saved_game = SavedGamePath(ctx.Saves.Folder, name);
    const auto file = FindSavedGameFile(
        ctx.Saves.Folder,
        Utf8ToWindows1252(ThumbnailPathFor(saved_game).filename().string()).value_or(""));
    std::error_code error;
    if (!file || fs::file_size(*file, error) > kLargestThumbnailBytes || error) {
        return;
    }
    PictureResult loaded = ctx.GetDesktop().Pictures().LoadFile(*file);
    if (loaded.picture) {
        preview.SetPicture(std::move(loaded.picture));
        preview.SetVisible(true);
    }
}

void LoadGame_Activate(FlowContext& ctx) {
    LoadGame& dialog = ctx.Windows.LoadGame;
    ApplyDialogLook(dialog, ctx.Look);
    for (Label* label : {&dialog.Label1, &dialog.Label2, &dialog.Label3}) {
        label->SetCaption("");
    }
    dialog.Preview.SetPicture(nullptr);
    dialog.Preview.SetVisible(false);
    try {
        dialog.File1.SetPattern("*.sav");
        dialog.File1.SetPath(ctx.Saves.Folder);
    } catch (const RuntimeError&) {
        dialog.File1.Clear();
    }
    ctx.Saves.LoadDialogClosing = false;
    ShowDialogLooks(dialog, false, false);
}

void File1_Click(FlowContext& ctx) {
    LoadGame& dialog = ctx.Windows.LoadGame;
    const std::string name = dialog.File1.FileName();
    ReadSaveHeader(ctx, name);
    const SaveHeaderTexts& header = ctx.Saves.Header;
    dialog.Label1.SetCaption(header.Description);
    dialog.Label2.SetCaption(header.Date);
    dialog.Label3.SetCaption(header.Time);
    ShowPreview(ctx, name);
}

void ButtnOK_Click(FlowContext& ctx) {
    LoadGame& dialog = ctx.Windows.LoadGame;
    if (ctx.Saves.LoadDialogClosing) {
        return;
    }
    const std::string name = dialog.File1.FileName();
    // A file that is not a saved game of this game is refused before anything stops, and the
    // dialog stays for another choice.
    if (!name.empty()) {
        const fs::path file = SavedGamePath(ctx.Saves.Folder, name);
        const SavedGameRead read = ReadSavedGame(file, ctx.State);
        if (!read.record) {
            ShowMessage(ctx, ctx.State.GameTitle, RefusalMessage(file, read.problem),
                        MsgBoxIcon::kExclamation);
            return;
        }
    }
    if (name.empty() || dialog.Label2.Caption().empty()) {
        dialog.Label4.SetCaption(kChooseFile);
        ShowForOneSecond(dialog.Label4, dialog.MsgTimer);
        return;
    }
    ShowDialogLooks(dialog, false, false);
    DialogOkSound(ctx);
    ctx.Services.StopSound(kSoundtrackChannel);
    ctx.Services.StopMp3();
    ctx.Services.StopMidi();
    ctx.State.LastHoveredButton = hover::kDialogNeutral;
    ctx.Saves.LoadDialogClosing = true;
    dialog.Hide();
    LoadSavedGame(ctx, name);
}

void ButtnC_Click(FlowContext& ctx) {
    LoadGame& dialog = ctx.Windows.LoadGame;
    if (ctx.Saves.LoadDialogClosing) {
        return;
    }
    dialog.Label4.SetVisible(false);
    dialog.MsgTimer.SetEnabled(false);
    PlayClickSound(ctx);
    ctx.Saves.LoadDialogClosing = true;
    dialog.Hide();
}

}  // namespace

void AttachLoadDialog(FlowContext& ctx) {
    LoadGame& dialog = ctx.Windows.LoadGame;
    dialog.OnLoad = [&ctx] { CentreOnScreen(ctx, ctx.Windows.LoadGame); };
    dialog.OnActivate = [&ctx] { LoadGame_Activate(ctx); };
    dialog.File1.OnClick = [&ctx] { File1_Click(ctx); };
    dialog.ButtnOK.OnClick = [&ctx] { ButtnOK_Click(ctx); };
    dialog.ButtnC.OnClick = [&ctx] { ButtnC_Click(ctx); };
    AttachDialogHover(ctx, dialog);
    dialog.OnKeyDown = [&ctx](int& key_code, int) {
        if (key_code == key::kEscape) {
            ButtnC_Click(ctx);
        } else if (key_code == key::kReturn) {
            ButtnOK_Click(ctx);
        }
        key_code = 0;
    };
    dialog.OnKeyPress = [](int& key_ascii) { key_ascii = 0; };
    dialog.MsgTimer.OnTimer = [&dialog] {
        dialog.MsgTimer.SetEnabled(false);
        dialog.Label4.SetVisible(false);
    };
}

}  // namespace morvane
