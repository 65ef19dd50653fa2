#include "flow/flow_context.h"

#include <algorithm>
#include <cctype>

#include "engine/game_folder.h"
#include "platform/desktop.h"

namespace morvane {
namespace {

constexpr Integer kButtonsChannel = 18;

}  // namespace

void Pump(FlowContext& ctx) {
    ctx.GetDesktop().Loop().PumpEvents();
}

bool WaitFor(FlowContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms) {
    return ctx.GetDesktop().Loop().WaitUntil(condition, bound_ms);
}

bool WaitForUser(FlowContext& ctx, const std::function<bool()>& condition, TimeMs bound_ms) {
    EventLoop& loop = ctx.GetDesktop().Loop();
    const TimeMs deadline = loop.Now() + bound_ms;
    loop.RunMainLoop([&] { return condition() || loop.Now() >= deadline; });
    return condition();
}

void ShowPointer(FlowContext& ctx, int image) {
    const PicturePtr& picture = ctx.Windows.MousePoint.Pointer(image).Picture();
    if (picture != nullptr) {
        ctx.GetDesktop().Pointer().ShowPicture(picture);
    }
}

bool PointerIs(const FlowContext& ctx, int image) {
    const PicturePtr& picture = ctx.Windows.MousePoint.Pointer(image).Picture();
    const ScreenPointer& pointer = ctx.GetDesktop().Pointer();
    return picture != nullptr && pointer.Mode() == ScreenPointer::kCustom && pointer.Shows(picture);
}

void ShowMessage(FlowContext& ctx, const std::string& title, const std::string& text,
                 MsgBoxIcon icon) {
    ctx.GetDesktop().ShowMessageBox({title, text, MsgBoxButtons::kOkOnly, icon});
}

void ReportTrap(FlowContext& ctx, const std::string& procedure, const RuntimeError& error) {
    ShowMessage(ctx, kApplicationTitle, TrapMessage(procedure, error), MsgBoxIcon::kCritical);
}

std::string GfxPath(const FlowContext& ctx, const std::string& name) {
    return GameFolder(ctx.State) + "resource\\gfx\\" + name;
}

std::string MediaPath(const FlowContext& ctx, const std::string& name) {
    return GameFolder(ctx.State) + "resource\\mmedia\\" + name;
}

std::string Extension3(const std::string& name) {
    std::string tail = name.size() > 3 ? name.substr(name.size() - 3) : name;
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail;
}

void PlayClickSound(FlowContext& ctx) {
    const GeneralSettings& s = ctx.Flow.Settings;
    if (!s.ClickSound.empty()) {
        ctx.Services.PlaySound(s.ClickSound, false, kButtonsChannel, s.ClickPan, s.ClickVolume);
    }
}

void PlayHoverSound(FlowContext& ctx) {
    const GeneralSettings& s = ctx.Flow.Settings;
    if (!s.MouseOverSound.empty()) {
        ctx.Services.PlaySound(s.MouseOverSound, false, kButtonsChannel, s.MouseOverPan,
                               s.MouseOverVolume);
    }
}

}  // namespace morvane
