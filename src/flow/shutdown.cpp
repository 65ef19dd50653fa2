#include "flow/shutdown.h"

namespace morvane {

void ShutDown(FlowContext& ctx) {
    GameState& state = ctx.State;
    state.SceneFile.Close();
    state.LocationFile.Close();
    state.InventoryFile.Close();
    state.GeneralFile.Close();
    state.ConversationFile.Close();
    if (!ctx.Services.TerminateMp3()) {
        ShowMessage(ctx, "Warning", "Unable to Terminate DirectShow Engine Successfully.",
                    MsgBoxIcon::kInformation);
    }
    ctx.Services.ReleaseSound();
    ctx.Windows.Main.MovieWindow.SetCommand("close");
    ctx.Services.RestoreDisplay();
    Forms& w = ctx.Windows;
    for (Window* window : std::initializer_list<Window*>{
             &w.MapWindow, &w.MvDebug, &w.ItemImages, &w.LoadGame, &w.Closeup, &w.Main,
             &w.MousePoint, &w.QuitGameQuery, &w.SaveGame, &w.IntroFrm, &w.StartForm, &w.MainMenu,
             &w.Mp3Form, &w.NoWin, &w.NagForm}) {
        window->Unload();
    }
    ctx.Services.EndProcess();
}

}  // namespace morvane
