#include "engine/database_open.h"

#include <algorithm>
#include <string>

#include "base/runtime_error.h"
#include "base/text.h"
#include "database/location_record.h"
#include "database/scene_record.h"
#include "platform/game_paths.h"
#include "platform/pointer_roles.h"

namespace morvane {
namespace {

// Runs one open operation under its error trap.
template <typename Body>
void Trapped(const char* procedure, DatabaseUi& ui, Body body) {
    try {
        body();
    } catch (const RuntimeError& error) {
        ui.ShowCriticalMessage(TrapMessage(procedure, error));
    }
}

void SetUpLocation(GameState& state, DatabaseUi& ui, Integer n, const LocationRecord& record) {
    const std::string picture = record.Picture.Trimmed();
    if (picture.empty() || picture == "Del") {
        return;
    }
    std::optional<std::string> path;
    if (TrimRight(record.Picture.Bytes()) != "(None)") {
        path = std::string(kGfxFolder) + picture;
    }
    const bool available = record.Available == 1;
    ui.SetUpMapLocation(n, path, record.Left, record.Top, available);
    MapLocation& location = state.Locations(n);
    location.Available = available ? 1 : 0;
    location.Scene = record.Scene;
    location.PlaysFile = record.PlaysFile;
    location.File = record.File.Trimmed();
    location.Volume = record.Volume;
    location.Pan = record.Pan;
}

}  // namespace

void OpenSceneBase(GameState& state, DatabaseUi& ui) {
    Trapped("OpenSceneBase", ui, [&] {
        state.SceneFile = RecordFile::Open<SceneRecord>(state.Paths);
        state.SceneCount = state.SceneFile.Count();
    });
}

void OpenLocBase(GameState& state, DatabaseUi& ui) {
    Trapped("OpenLocBase", ui, [&] {
        state.LocationFile = RecordFile::Open<LocationRecord>(state.Paths);
        state.LocationCount = state.LocationFile.Count();
        const std::string map_picture =
            state.LocationFile.Read<LocationRecord>(1).MapPicture.Trimmed();
        if (!map_picture.empty()) {
            ui.SetMapPicture(std::string(kGfxFolder) + map_picture);
        }
        const Integer last = std::min<Integer>(state.LocationCount, kMapLocations);
        for (Integer n = 1; n <= last; ++n) {
            SetUpLocation(state, ui, n, state.LocationFile.Read<LocationRecord>(n));
        }
        if (state.LocationCount > kMapLocations) {
            // The map holds 20 locations: say so once, keep the 20 and go on.
            ui.ShowCriticalMessage(
                TrapMessage("OpenLocBase", RuntimeError(ErrorNumber::kSubscriptOutOfRange)));
        }
    });
}

void OpenInvBase(GameState& state, DatabaseUi& ui) {
    Trapped("OpenInvBase", ui, [&] {
        state.InventoryFile = RecordFile::Open<InventoryRecord>(state.Paths);
        state.ItemCount = state.InventoryFile.Count();
    });
}

void OpenGenBase(GameState& state, DatabaseUi& ui) {
    Trapped("OpenGenBase", ui, [&] {
        state.GeneralFile = RecordFile::Open<GeneralRecord>(state.Paths);
        if (state.GeneralFile.Length() == GeneralRecord::kLength) {
            ReadGeneralRecord(state);
            ui.ApplyGeneralSettings(1);
            ui.ApplyGeneralSettings(2);
            ui.ApplyGeneralSettings(3);
            ui.UseBuiltInPointersWhereMissing();
        }
        ui.SetMousePointer(kNormalPointer);
    });
}

void OpenConvBase(GameState& state, DatabaseUi& ui) {
    Trapped("OpenConvBase", ui, [&] {
        state.ConversationFile = RecordFile::Open<ConversationRecord>(state.Paths);
        state.ConvCount = state.ConversationFile.Count();
    });
}

void GetInitData(GameState& state, DatabaseUi& ui) {
    Trapped("GetInitData", ui, [&] {
        GeneralRecord general;
        {
            RecordFile file = RecordFile::Open<GeneralRecord>(state.Paths);
            if (file.Length() == GeneralRecord::kLength) {
                general = file.Read<GeneralRecord>(1);
            }
        }
        state.EngineLogoWanted = general.StartupLogoOption.Trimmed() != "1";
        state.Force800x600 = general.Force800x600 == 1;
    });
}

GeneralRecord ReadGeneralRecord(GameState& state) {
    return state.GeneralFile.Read<GeneralRecord>(1);
}

InventoryRecord ReadInventoryRecord(GameState& state, Integer item) {
    return state.InventoryFile.Read<InventoryRecord>(item);
}

ConversationRecord ReadConversationRecord(GameState& state, Integer conversation) {
    return state.ConversationFile.Read<ConversationRecord>(conversation);
}

}  // namespace morvane
