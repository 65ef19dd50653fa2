#include "engine/engine_context.h"

#include "engine/cascade.h"

namespace morvane {

void LogLine(EngineContext& ctx, const std::string& text) {
    if (ctx.Log) {
        ctx.Log(text);
    }
}

void LogIfOn(EngineContext& ctx, const std::string& text) {
    if (ctx.State.LogSwitch) {
        LogLine(ctx, text);
    }
}

void Pump(EngineContext& ctx) {
    const CascadeRoot root(ctx);
    ctx.Loop.PumpEvents();
}

bool WaitFor(EngineContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms) {
    const CascadeRoot root(ctx);
    return ctx.Loop.WaitUntil(condition, bound_ms);
}

void ShowMessage(EngineContext& ctx, const std::string& text, MsgBoxIcon icon) {
    if (ctx.Repeats.Repeat(text, ctx.Loop.Now())) {
        const auto first_line = text.substr(0, text.find_first_of("\r\n"));
        LogLine(ctx, "Message repeated within a second, not shown again (" +
                         std::to_string(ctx.Repeats.Count()) + " repeats): " + first_line);
        return;
    }
    ctx.Boxes.Show(MessageBoxRequest{ctx.State.GameTitle, text, MsgBoxButtons::kOkOnly, icon});
    ctx.Repeats.Shown(text, ctx.Loop.Now());
}

void ReportTrap(EngineContext& ctx, const std::string& procedure, const RuntimeError& error) {
    ShowMessage(ctx, TrapMessage(procedure, error), MsgBoxIcon::kCritical);
}

}  // namespace morvane
