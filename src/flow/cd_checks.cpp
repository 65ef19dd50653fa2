#include "flow/cd_checks.h"

#include <string>

#include "base/text.h"
#include "flow/flow_context.h"
#include "flow/shutdown.h"
#include "platform/desktop.h"
#include "platform/drives.h"

namespace morvane {
namespace {

constexpr const char* kUnknownCd =
    "This application has been set up to run from a CD, and is currently running from a CD.  "
    "However, the Morvane Engine was unable to determine which CD is inserted into the drive.  "
    "Possible cause: CD Labels entered into Morvane do not match actual volume labels of the "
    "CDs.  Without knowing which CD has been inserted, it is impossible to continue.  Please "
    "correct the problem and try again.";

constexpr int kCds = 4;

// The label of the volume that holds the game folder, read afresh from the drive.
std::string GameDriveLabel(const FlowContext& ctx) {
    if (ctx.GameDrives == nullptr) {
        return {};
    }
    return VolumeLabelOf(*ctx.GameDrives, ctx.State.Paths.Root());
}

bool LabelIs(const std::string& label, const std::string& expected) {
    return EqualsIgnoreCase(label, expected);
}

void Fatal(FlowContext& ctx, const std::string& title, const std::string& text) {
    ShowMessage(ctx, title, text, MsgBoxIcon::kCritical);
    ShutDown(ctx);
}

std::string UnknownSceneCd(Integer scene) {
    return "This application has been set up to run from a CD, and is currently running from a "
           "CD.  However, the Morvane Engine was unable to determine which CD is required for "
           "Scene #" +
           std::to_string(scene) +
           ".  Possible cause: Scene Resource setup was not done correcly.  Without knowing "
           "which CD is required, it is impossible to continue.  Please correct the problem "
           "and try again.";
}

// Nobody can answer any more (the input ended or the program is ending): the prompt ends as
// if cancelled rather than asking for ever.
bool NobodyAnswers(FlowContext& ctx) {
    const EventLoop& loop = ctx.GetDesktop().Loop();
    return loop.QuitRequested() || loop.InputEnded();
}

}  // namespace

bool IdentifyCd(FlowContext& ctx) {
    if (ctx.GameDrives == nullptr ||
        TypeOfDrive(*ctx.GameDrives, ctx.State.Paths.Root().string()) != drive_type::kCdRom) {
        return true;
    }
    GameState& state = ctx.State;
    const GeneralSettings& settings = ctx.State.Settings;
    state.RunningFromCD = true;
    state.CurrentCd = 0;
    for (int cd = 1; cd <= kCds; ++cd) {
        if (LabelIs(GameDriveLabel(ctx), settings.CdLabels[cd - 1])) {
            state.CurrentCd = static_cast<Integer>(cd);
        }
    }
    if (settings.RunFromCd && state.CurrentCd == 0) {
        Fatal(ctx, "Morvane Engine", kUnknownCd);
        return false;
    }
    return true;
}

bool CheckSceneCd(FlowContext& ctx, Integer scene) {
    GameState& state = ctx.State;
    const GeneralSettings& settings = ctx.State.Settings;
    if (state.CurrentCd == 0) {
        return true;
    }
    int required = 0;
    for (int cd = 1; cd <= kCds; ++cd) {
        if (settings.CdFirstScene[cd - 1] <= scene && scene <= settings.CdLastScene[cd - 1]) {
            if (cd == state.CurrentCd) {
                return true;
            }
            required = cd;
        }
    }
    if (required == 0) {
        if (settings.RunFromCd) {
            Fatal(ctx, kApplicationTitle, UnknownSceneCd(scene));
            return false;
        }
        // A CD was found although the game is not set up to run from its CDs, and none holds
        // this scene: it loads from wherever it is.
        return true;
    }
    const std::string& wanted = settings.CdLabels[required - 1];
    const std::string prompt =
        "Please Insert CD #" + std::to_string(required) + ".  Click OK after CD has spun down.";
    do {
        const MsgBoxResult answer = ctx.GetDesktop().ShowMessageBox(
            {state.GameTitle, prompt, MsgBoxButtons::kOkCancel, MsgBoxIcon::kNone});
        if (answer == MsgBoxResult::kCancel || NobodyAnswers(ctx)) {
            ShutDown(ctx);
            return false;
        }
        Pump(ctx);
    } while (!LabelIs(GameDriveLabel(ctx), wanted));
    state.CurrentCd = static_cast<Integer>(required);
    return true;
}

}  // namespace morvane
