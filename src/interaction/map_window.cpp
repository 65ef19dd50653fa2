#include "interaction/map_window.h"

#include "base/text.h"
#include "database/location_record.h"
#include "engine/button_sounds.h"
#include "engine/cascade.h"
#include "engine/game_folder.h"
#include "engine/scene_loader.h"
#include "engine/sound_operations.h"
#include "interaction/pointer_model.h"
#include "media/sound_channels.h"
#include "platform/desktop.h"
#include "platform/picture_service.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

// The map's close button answers on the dialogue channel, as the map always has, not on the
// buttons channel: its sounds stop with the scene's other answers.
constexpr Integer kCloseButtonChannel = channel::kDialogue;

void ShowCloseButtonLook(InteractionContext& ctx, int look) {
    MapWindow& map = ctx.Win.MapWindow;
    map.ButtnCancel.SetPicture(map.Image2(look).Picture());
}

}  // namespace

void OpenMapWindow(InteractionContext& ctx) {
    ctx.Win.Main.Block.SetVisible(true);
    ShowPointerImage(ctx, kNormalPointer);
    ctx.State().MapOpen = true;
    ctx.Win.MapWindow.ShowModal();
}

void SetMapPicture(InteractionContext& ctx, const std::string& path) {
    PictureResult result =
        ctx.Win.MapWindow.GetDesktop().Pictures().Load(GameFolder(ctx.State()) + path);
    ctx.Win.MapWindow.Image1.SetPicture(std::move(result.picture));
}

void SetUpMapLocation(InteractionContext& ctx, int location,
                      const std::optional<std::string>& picture, Integer left, Integer top,
                      bool visible) {
    AnimatedPicture& mark = ctx.Win.MapWindow.Loctn(location);
    if (picture) {
        mark.SetPictureFile(GameFolder(ctx.State()) + *picture);
    } else {
        mark.SetPictureFile("");
    }
    mark.Move(left, top);
    mark.SetVisible(visible);
}

void RestoreStartLocations(InteractionContext& ctx) {
    GameState& s = ctx.State();
    const Integer last = std::min<Integer>(s.LocationCount, kMapLocations);
    for (Integer n = 1; n <= last; ++n) {
        const LocationRecord record = s.LocationFile.Read<LocationRecord>(n);
        const std::string picture = record.Picture.Trimmed();
        if (picture.empty() || picture == "Del") {
            continue;
        }
        const bool available = record.Available == 1;
        s.Locations(n).Available = available ? 1 : 0;
        ctx.Win.MapWindow.Loctn(n).SetVisible(available);
    }
}

void MapWindow_Load(InteractionContext& ctx) {
    Main& main = ctx.Win.Main;
    MapWindow& map = ctx.Win.MapWindow;
    map.Move(main.ScnImg.Left() + main.Picture1.Left(), main.ScnImg.Top() + main.Picture1.Top());
    map.Loctn.ForEach([](AnimatedPicture& mark, int) { mark.ZOrder(); });
}

void MapWindow_Activate(InteractionContext& ctx) {
    MapWindow& map = ctx.Win.MapWindow;
    if (ctx.State().MapOpen) {
        LogIfOn(ctx.Engine, "Map activated.");
    }
    map.GetDesktop().SetTopmost(map, true);
    ctx.State().LastHoveredButton = hover::kMapNeutral;
    map.Loctn.ForEach([](AnimatedPicture& mark, int) {
        if (mark.Visible()) {
            mark.Start();
        }
    });
}

void MapWindow_MouseMove(InteractionContext& ctx) {
    ctx.State().LastHoveredButton = hover::kMapNeutral;
    ShowCloseButtonLook(ctx, 1);
}

void Image1_MouseMove(InteractionContext& ctx) {
    AssignPointerImage(ctx, kNormalPointer);
}

void Loctn_MouseMove(InteractionContext& ctx, int Index) {
    ctx.State().LastHoveredButton = hover::kMapNeutral;
    ShowCloseButtonLook(ctx, 1);
    AssignPointerImage(ctx,
                       ctx.State().Locations(Index).Scene != 0 ? kHotSpotPointer : kNormalPointer);
}

void Loctn_Click(InteractionContext& ctx, int Index) {
    const CascadeRoot root(ctx.Engine);
    GameState& s = ctx.State();
    EngineContext& e = ctx.Engine;
    const MapLocation location = s.Locations(Index);
    const std::string n = std::to_string(Index);
    if (location.Scene == 0) {
        LogIfOn(e, "Map Location #" + n + " clicked (NO SCENE LINKED).");
        return;
    }
    LogIfOn(e, "Map Location #" + n + " clicked (Scene #" + std::to_string(location.Scene) + ").");
    try {
        if (location.PlaysFile == 1) {
            const std::string& file = location.File;
            const std::string kind = FileKind(file);
            if (kind == "wav") {
                PlayWAVMVX(e, file, false, channel::kRules, location.Pan, location.Volume);
            } else if (kind == "avi") {
                // Played by the scene load, before the new scene.
                s.PendingMovie = file;
                s.PendingMovieVolume = static_cast<Integer>(location.Volume);
            }
        }
    } catch (const RuntimeError& error) {
        ReportTrap(e, "Loctn_Click", error);
    }
    ctx.Win.MapWindow.Hide();
    s.MapOpen = false;
    LoadScene(e, location.Scene);
}

void ButtnCancel_MouseMove(InteractionContext& ctx) {
    ShowCloseButtonLook(ctx, 0);
    PlayHoverSoundFor(ctx.Engine, hover::kMapCancel, kCloseButtonChannel);
}

void ButtnCancel_Click(InteractionContext& ctx) {
    GameState& s = ctx.State();
    LogIfOn(ctx.Engine, "Map cancelled.");
    PlayClickSound(ctx.Engine, kCloseButtonChannel);
    MapWindow& map = ctx.Win.MapWindow;
    map.Hide();
    s.LastHoveredButton = hover::kMapNeutral;
    ShowCloseButtonLook(ctx, 1);
    map.Loctn.ForEach([](AnimatedPicture& mark, int) {
        if (mark.Visible()) {
            mark.Stop();
        }
    });
    Pump(ctx.Engine);
    ctx.Win.Main.Block.SetVisible(false);
    s.MapOpen = false;
}

}  // namespace morvane
