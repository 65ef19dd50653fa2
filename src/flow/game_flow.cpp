#include "flow/game_flow.h"

#include "flow/builtin_look_apply.h"
#include "flow/exit_picture.h"
#include "flow/intro_movie.h"
#include "flow/load_dialog.h"
#include "flow/main_menu.h"
#include "flow/quit_query.h"
#include "flow/save_dialog.h"
#include "flow/startup.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"

namespace morvane {

GameFlow::GameFlow(GameState& state, Forms& forms, FlowServices& services, DatabaseUi* map)
    : ctx_(state, forms, services, look_), database_ui_(ctx_, map) {
    ctx_.Databases = &database_ui_;
    ApplyBuiltInLook(forms, look_, ctx_.GetDesktop().Pictures().BuiltIns());
    AttachStartWindow(ctx_);
    AttachIntroWindow(ctx_);
    AttachMainMenu(ctx_);
    AttachQuitQuery(ctx_);
    AttachSaveDialog(ctx_);
    AttachLoadDialog(ctx_);
    AttachExitPicture(ctx_);
}

void GameFlow::Start() {
    ctx_.Windows.StartForm.Show();
}

}  // namespace morvane
