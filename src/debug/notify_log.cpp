#include "debug/notify_log.h"

#include "base/runtime_error.h"
#include "base/text.h"
#include "debug/debug_context.h"
#include "forms/notify_log.h"
#include "interaction/pointer_model.h"
#include "platform/desktop.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

constexpr const char* kNotifyError = "An error has occured with the Notify Window.";

void ReportButtonError(DebugContext& ctx, const RuntimeError& error) {
    ctx.Win().NoWin.GetDesktop().ShowMessageBox(MessageBoxRequest{
        ctx.State().GameTitle,
        std::string(kNotifyError) + "  Please report!\r\nError #" +
            std::to_string(static_cast<int>(error.Number())) + " / " + error.Description(),
        MsgBoxButtons::kOkOnly, MsgBoxIcon::kCritical});
}

template <typename Body>
void Guarded(DebugContext& ctx, Body body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        ReportButtonError(ctx, error);
    }
}

}  // namespace

void AppendNotifyLine(Forms& windows, const std::string& text) {
    ListBox& list = windows.NoWin.List1;
    try {
        windows.NoWin.Load();
        AppendNotifyLine(list, text);
    } catch (const RuntimeError& error) {
        // The line is lost; play goes on.
        windows.NoWin.GetDesktop().ShowMessageBox(
            MessageBoxRequest{"",
                              std::string(kNotifyError) + "\r\nError #" +
                                  std::to_string(static_cast<int>(error.Number())) + " : " +
                                  error.Description() + "\r\nList Count =" + Str(list.ListCount()),
                              MsgBoxButtons::kOkOnly, MsgBoxIcon::kCritical});
    }
}

void NoWin_Load(DebugContext& ctx) {
    NoWin& window = ctx.Win().NoWin;
    // 2000 twips from the left, at the top; it starts shrunk to its buttons.
    window.Move(133, 0);
    window.CompExp.SetCaption("Expand Window");
    ctx.NotifyFullHeight = window.Height();
    window.Move(window.Left(), window.Top(), window.Width(), kNotifyShrunkHeight);
}

void cc_Click(DebugContext& ctx) {
    Guarded(ctx, [&ctx] {
        const ListBox& list = ctx.Win().NoWin.List1;
        std::string text;
        for (int row = 0; row < list.ListCount(); ++row) {
            text += list.List(row);
            text += '\n';
        }
        Clipboard& clipboard = ctx.Win().NoWin.GetDesktop().GetClipboard();
        clipboard.Clear();
        clipboard.SetText(std::move(text));
    });
}

void ClC_Click(DebugContext& ctx) {
    Guarded(ctx, [&ctx] {
        const MsgBoxResult answer = ctx.Win().NoWin.GetDesktop().ShowMessageBox(
            MessageBoxRequest{ctx.State().GameTitle, "Empty the contents of the Notify Window?",
                              MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion});
        if (answer == MsgBoxResult::kYes) {
            ctx.Win().NoWin.List1.Clear();
        }
    });
}

void CompExp_Click(DebugContext& ctx) {
    Guarded(ctx, [&ctx] {
        NoWin& window = ctx.Win().NoWin;
        if (window.Height() != kNotifyShrunkHeight) {
            window.Move(window.Left(), window.Top(), window.Width(), kNotifyShrunkHeight);
            window.CompExp.SetCaption("Expand Window");
        } else {
            window.Move(window.Left(), window.Top(), window.Width(), ctx.NotifyFullHeight);
            window.CompExp.SetCaption("Shrink Window");
        }
    });
}

void AttachNotifyWindow(DebugContext& ctx) {
    NoWin& window = ctx.Win().NoWin;
    window.OnLoad = [&ctx] { NoWin_Load(ctx); };
    window.cc.OnClick = [&ctx] { cc_Click(ctx); };
    window.ClC.OnClick = [&ctx] { ClC_Click(ctx); };
    window.CompExp.OnClick = [&ctx] { CompExp_Click(ctx); };
    for (Control* part : std::initializer_list<Control*>{&window, &window.cc, &window.ClC,
                                                         &window.CompExp, &window.List1}) {
        part->OnMouseMove = [&ctx](const MouseArgs&) {
            ShowPointerImage(ctx.Interaction, kNormalPointer);
        };
    }
}

}  // namespace morvane
