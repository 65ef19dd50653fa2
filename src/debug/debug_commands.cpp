#include "debug/debug_commands.h"

#include <string>

#include "base/runtime_error.h"
#include "base/text.h"
#include "debug/debug_context.h"
#include "debug/notify_log.h"
#include "debug/numeric_entry.h"
#include "engine/flag_operations.h"
#include "engine/scene_loader.h"
#include "interaction/inventory.h"
#include "platform/desktop.h"

namespace morvane {
namespace {

constexpr const char* kFlagRange = "Flag # must be between 1 and 255";

// Runs a command; an entry too large for an Integer is reported like any trapped error.
template <typename Body>
void Command(DebugContext& ctx, const char* procedure, Body body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        ReportTrap(ctx.Interaction.Engine, procedure, error);
    }
}

bool IsFlag(Integer n) {
    return n >= 1 && n <= 255;
}

void ShowCurrentScene(DebugContext& ctx) {
    ctx.Win().MvDebug.CurScnLabel.SetCaption(std::to_string(ctx.State().CurrentScene) + ")");
}

}  // namespace

void MvDebug_Activate(DebugContext& ctx) {
    ShowCurrentScene(ctx);
}

void Check1_Click(DebugContext& ctx) {
    ctx.State().LogSwitch = ctx.Win().MvDebug.Check1.Value() == CheckBox::kChecked;
}

void Command2_Click(DebugContext& ctx) {
    Command(ctx, "Command2_Click", [&ctx] {
        MvDebug& w = ctx.Win().MvDebug;
        const Integer n = NumberFromEntry(w.QueryFlag.Text());
        if (IsFlag(n)) {
            w.QFlagResult.SetCaption("Flag" + Str(n) + " = " +
                                     std::to_string(ctx.State().Flags(n)));
        } else {
            w.QFlagResult.SetCaption(kFlagRange);
        }
    });
}

void SetFlagbtn_Click(DebugContext& ctx) {
    Command(ctx, "SetFlagbtn_Click", [&ctx] {
        MvDebug& w = ctx.Win().MvDebug;
        const Integer n = NumberFromEntry(w.SetFlg.Text());
        if (!IsFlag(n)) {
            w.SetFlgResult.SetCaption(kFlagRange);
            return;
        }
        const Integer v = NumberFromEntry(w.SFValue.Text());
        SetFlag(ctx.Interaction.Engine, n, v, 0);
        w.SetFlgResult.SetCaption("Flag" + Str(n) + " set to" + Str(v));
    });
}

void Command1_Click(DebugContext& ctx) {
    Command(ctx, "Command1_Click", [&ctx] {
        MvDebug& w = ctx.Win().MvDebug;
        const Integer n = NumberFromEntry(w.LdScn.Text());
        const Integer count = ctx.State().SceneCount;
        if (n < 1 || n > count) {
            w.LdScnResult.SetCaption("Scene # must be between 1 and" + Str(count));
            return;
        }
        LoadScene(ctx.Interaction.Engine, n);
        w.LdScnResult.SetCaption("Scene" + Str(n) + " loaded");
        ShowCurrentScene(ctx);
    });
}

void Command4_Click(DebugContext& ctx) {
    Command(ctx, "Command4_Click", [&ctx] {
        MvDebug& w = ctx.Win().MvDebug;
        const Integer n = NumberFromEntry(w.GiveInv.Text());
        const Integer count = ctx.State().ItemCount;
        if (n < 1 || n > count) {
            w.GiveInvResult.SetCaption("Item # must be between 1 and" + Str(count));
            return;
        }
        AddInventoryItem(ctx.Interaction, n, false, 0);
        if (ctx.State().InventoryCount == 16) {
            w.GiveInvResult.SetCaption("Inventory Limits Reached (16)");
        } else {
            w.GiveInvResult.SetCaption("Item" + Str(n) + " added to inventory");
        }
    });
}

void Command6_Click(DebugContext& ctx) {
    Command(ctx, "Command6_Click", [&ctx] {
        Forms& windows = ctx.Win();
        ItemImages& images = windows.ItemImages;
        const PicturePtr empty = images.NoPic.Picture();
        for (int slot = 1; slot <= ItemImages::kSlots; ++slot) {
            images.ItemIcon(slot).SetPicture(empty);
            images.ItemPoint(slot).SetPicture(empty);
            images.ItemHL(slot).SetPicture(empty);
            windows.Main.invitem(slot).SetPicture(nullptr);
        }
        ctx.State().InventoryCount = 0;
    });
}

void Command7_Click(DebugContext& ctx) {
    Forms& windows = ctx.Win();
    if (!ctx.State().LogSwitch) {
        windows.NoWin.Hide();
    }
    ctx.State().MapOpen = true;
    // Shown above the debug window, which is modal: so the map is too.
    windows.MapWindow.ShowModal();
}

void Command5_Click(DebugContext& ctx) {
    Forms& windows = ctx.Win();
    windows.MvDebug.Hide();
    if (!ctx.State().LogSwitch) {
        windows.NoWin.Hide();
    } else {
        ShowNotifyWindow(windows);
    }
}

void Command3_Click(DebugContext& ctx) {
    Forms& windows = ctx.Win();
    windows.MvDebug.Hide();
    windows.Main.SetMinimized(true);
}

void Main_Resize(DebugContext& ctx) {
    Forms& windows = ctx.Win();
    if (windows.Main.Minimized()) {
        windows.StartForm.Hide();
        windows.IntroFrm.Hide();
        return;
    }
    // Shown again as the backdrop they are: below the game, which comes back on top with the
    // windows it owns.
    Window* active = windows.Main.GetDesktop().ActiveWindow();
    windows.IntroFrm.Show();
    windows.StartForm.Show();
    windows.Main.Show();
    if (active != nullptr && active != &windows.Main && active->Shown()) {
        active->Show();
    }
}

void AttachDebugWindow(DebugContext& ctx) {
    Forms& windows = ctx.Win();
    MvDebug& w = windows.MvDebug;
    windows.Main.Command1.OnClick = [&ctx] { ctx.Win().MvDebug.ShowModal(); };
    windows.Main.OnResize = [&ctx] { Main_Resize(ctx); };
    w.OnActivate = [&ctx] { MvDebug_Activate(ctx); };
    w.Check1.OnClick = [&ctx] { Check1_Click(ctx); };
    w.Command2.OnClick = [&ctx] { Command2_Click(ctx); };
    w.SetFlagbtn.OnClick = [&ctx] { SetFlagbtn_Click(ctx); };
    w.Command1.OnClick = [&ctx] { Command1_Click(ctx); };
    w.Command4.OnClick = [&ctx] { Command4_Click(ctx); };
    w.Command6.OnClick = [&ctx] { Command6_Click(ctx); };
    w.Command7.OnClick = [&ctx] { Command7_Click(ctx); };
    w.Command5.OnClick = [&ctx] { Command5_Click(ctx); };
    w.Command3.OnClick = [&ctx] { Command3_Click(ctx); };
}

}  // namespace morvane
