#include "flow/saved_game_file.h"

#include <fstream>
#include <system_error>

#include "base/text.h"
#include "database/record_codec.h"
#include "flow/general_settings.h"
#include "flow/saved_game_name.h"
#include "flow/saved_game_restore.h"
#include "flow/scene_thumbnail.h"
#include "platform/desktop.h"
#include "platform/file_writing.h"
#include "platform/png_encoder.h"

namespace morvane {
namespace fs = std::filesystem;
namespace {

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) +
           static_cast<char>('0' + value % 10);
}

// A path as the game's texts spell it, for messages.
std::string Shown(const fs::path& path) {
    return Utf8ToWindows1252(path.string()).value_or(path.string());
}

std::string NameInFolder(std::string_view name) {
    return Windows1252ToUtf8(name);
}

// At most `limit` bytes of the file; nothing when it cannot be opened.
std::optional<std::string> ReadStart(const fs::path& file, std::size_t limit) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes(limit, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Why a record does not fit the running game's data; empty when it fits.
std::string Misfit(const SavedGameRecord& r, const GameState& state) {
    if (r.Scene < 1 || r.Scene > state.SceneCount) {
        return "It names scene " + std::to_string(r.Scene) + "; this game has " +
               std::to_string(state.SceneCount) + " scenes.";
    }
    for (int slot = 1; slot <= kInventorySlots; ++slot) {
        const Integer item = r.Inventory(slot);
        if (item != 0 && (item < 1 || item > state.ItemCount)) {
            return "Its inventory slot " + std::to_string(slot) + " holds item " +
                   std::to_string(item) + "; this game has " + std::to_string(state.ItemCount) +
                   " items.";
        }
    }
    for (int location = 1; location <= kMapLocations; ++location) {
        if (r.Map(location) != 0 && location > state.LocationCount) {
            return "It shows map location " + std::to_string(location) + "; this game has " +
                   std::to_string(state.LocationCount) + " map locations.";
        }
    }
    for (int slot = 1; slot <= kSlots; ++slot) {
        if (r.DelayDuration(slot) < 0) {
            return "Its delay " + std::to_string(slot) + " lasts " +
                   std::to_string(r.DelayDuration(slot)) + " milliseconds.";
        }
        const Integer flag = r.DelayFlag(slot);
        if (flag < 0 || flag > 255) {
            return "Its delay " + std::to_string(slot) + " sets flag " + std::to_string(flag) +
                   "; flags are numbered 1 to 255.";
        }
    }
    return {};
}

void WriteThumbnail(const Thumbnail& picture, const fs::path& saved_game) {
    const fs::path file = ThumbnailPathFor(saved_game);
    std::optional<std::string> failure;
    if (!picture.Empty()) {
        try {
            failure =
                WriteFileAtomically(file, EncodePng(picture.Width, picture.Height, picture.Pixels));
        } catch (const std::exception& error) {
            failure = error.what();
        }
    }
    // A picture of an older save under the same name would show the wrong scene: without a new
    // one the game shows none.
    if (picture.Empty() || failure) {
        std::error_code ignored;
        fs::remove(file, ignored);
    }
}

// Asks before an existing saved game is written over; true when the player agrees.
bool MayWriteOver(FlowContext& ctx, const std::string& name) {
    const MsgBoxResult answer = ctx.GetDesktop().ShowMessageBox(
        {ctx.State.GameTitle, "The file '" + name + "' already exists.\rWrite over it?",
         MsgBoxButtons::kYesNo, MsgBoxIcon::kExclamation});
    return answer == MsgBoxResult::kYes;
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

template <std::size_t Width>
FixedText<Width> CutToWidth(std::string_view text) {
    return FixedText<Width>(text.substr(0, std::min(text.size(), Width)));
}

}  // namespace

std::string SaveDateText(const std::tm& when) {
    return TwoDigits(when.tm_mon + 1) + "-" + TwoDigits(when.tm_mday) + "-" +
           std::to_string(when.tm_year + 1900);
}

std::string SaveTimeText(const std::tm& when) {
    const int hour = when.tm_hour % 12 == 0 ? 12 : when.tm_hour % 12;
    return TwoDigits(hour) + ":" + TwoDigits(when.tm_min) + (when.tm_hour < 12 ? " AM" : " PM");
}

std::optional<fs::path> FindSavedGameFile(const fs::path& folder, std::string_view name) {
    std::error_code error;
    const fs::path exact = folder / NameInFolder(name);
    if (fs::is_regular_file(exact, error)) {
        return exact;
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code type_error;
        if (!it->is_regular_file(type_error)) {
            continue;
        }
        const auto spelt = Utf8ToWindows1252(it->path().filename().string());
        if (spelt && EqualsIgnoreCase(*spelt, name)) {
            return it->path();
        }
    }
    return std::nullopt;
}

fs::path SavedGamePath(const fs::path& folder, std::string_view name) {
    return FindSavedGameFile(folder, name).value_or(folder / NameInFolder(name));
}

fs::path ThumbnailPathFor(const fs::path& saved_game) {
    fs::path file = saved_game;
    file.replace_extension(".png");
    return file;
}

SavedGameRead ReadSavedGame(const fs::path& file, const GameState& state) {
    // One byte more than a record tells a longer file from one of the right length, without
    // reading a large file whole.
    const auto bytes = ReadStart(file, SavedGameRecord::kLength + 1);
    if (!bytes) {
        return {std::nullopt, "It cannot be read."};
    }
    if (bytes->size() != SavedGameRecord::kLength) {
        std::error_code error;
        const auto size = fs::file_size(file, error);
        return {std::nullopt, "It holds " +
                                  (error ? std::to_string(bytes->size()) : std::to_string(size)) +
                                  " bytes; a saved game holds exactly 1113."};
    }
    SavedGameRecord record = DecodeRecord<SavedGameRecord>(*bytes);
    if (std::string misfit = Misfit(record, state); !misfit.empty()) {
        return {std::nullopt, std::move(misfit)};
    }
    return {std::move(record), {}};
}

std::string RefusalMessage(const fs::path& file, const std::string& problem) {
    return "The saved game '" + Shown(file) + "' cannot be loaded.\r\n" + problem;
}

void CaptureSaveState(FlowContext& ctx) {
    // Taken at one moment, with no events in between: a delay that ran out half-way through
    // would otherwise be saved both running and done.
    const GameState& state = ctx.State;
    Main& main = ctx.Windows.Main;
    SavedGameRecord& snapshot = ctx.Saves.Snapshot;
    for (int slot = 1; slot <= kSlots; ++slot) {
        const DelayState& delay = state.Delays(slot);
        snapshot.DelayRunning(slot) = main.DelayTimer(slot).Enabled() ? 1 : 0;
        snapshot.DelayDuration(slot) = ToInteger(delay.DelayMs);
        snapshot.DelayFlag(slot) = delay.DelayFlag;
        snapshot.DelayValue(slot) = delay.DelayValue;
        snapshot.DelayMode(slot) = delay.DelayMode;
    }
    for (int flag = 1; flag <= 255; ++flag) {
        snapshot.Flags(flag) = state.Flags(flag);
    }
    for (int slot = 1; slot <= kInventorySlots; ++slot) {
        snapshot.Inventory(slot) = slot <= state.InventoryCount ? state.SlotItem(slot) : Integer{0};
    }
    for (int location = 1; location <= kMapLocations; ++location) {
        snapshot.Map(location) = state.Locations(location).Available;
    }
    snapshot.Scene = state.CurrentScene;
    snapshot.Soundtrack = CutToWidth<15>(state.CurrentSoundtrack);
    snapshot.SoundtrackVolume = state.CurrentSoundtrackVolume;
    ctx.Saves.Picture = CaptureSceneThumbnail(main);
    Pump(ctx);
}

bool SaveGameFile(FlowContext& ctx, std::string& file_name, std::string_view description) {
    const SaveFileName name = MakeSaveFileName(file_name);
    if (name.verdict != SaveFileName::Verdict::kOk) {
        return false;
    }
    const fs::path& folder = ctx.Saves.Folder;
    fs::path file = folder / NameInFolder(name.file);
    std::string spelt = name.file;
    if (const auto existing = FindSavedGameFile(folder, name.file)) {
        file = *existing;
        spelt = Utf8ToWindows1252(existing->filename().string()).value_or(name.file);
        if (!MayWriteOver(ctx, spelt)) {
            return false;
        }
    }
    SavedGameRecord record = ctx.Saves.Snapshot;
    record.Description = CutToWidth<50>(description);
    const std::tm now = LocalNow();
    record.Date = CutToWidth<10>(SaveDateText(now));
    record.Time = CutToWidth<10>(SaveTimeText(now));
    if (const auto failure = WriteFileAtomically(file, EncodeRecord(record))) {
        ShowMessage(ctx, ctx.State.GameTitle,
                    "The game could not be saved as '" + Shown(file) + "'.\r\n" + *failure +
                        ".\r\nAny saved game of that name is unchanged.",
                    MsgBoxIcon::kCritical);
        return false;
    }
    WriteThumbnail(ctx.Saves.Picture, file);
    file_name = spelt;
    return true;
}

void ReadSaveHeader(FlowContext& ctx, const std::string& file_name) {
    SaveHeaderTexts& header = ctx.Saves.Header;
    header = {};
    const auto bytes =
        ReadStart(SavedGamePath(ctx.Saves.Folder, file_name), SavedGameRecord::kLength);
    if (!bytes) {
        return;
    }
    // A short file shows what it holds; whether it is a saved game at all is decided on loading.
    const SavedGameRecord record = DecodeRecord<SavedGameRecord>(*bytes);
    header.Description = record.Description.Trimmed();
    header.Date = record.Date.Trimmed();
    header.Time = record.Time.Trimmed();
}

bool LoadSavedGame(FlowContext& ctx, const std::string& file_name) {
    const fs::path file = SavedGamePath(ctx.Saves.Folder, file_name);
    SavedGameRead read = ReadSavedGame(file, ctx.State);
    if (!read.record) {
        ShowMessage(ctx, ctx.State.GameTitle, RefusalMessage(file, read.problem),
                    MsgBoxIcon::kExclamation);
        return false;
    }
    try {
        ApplyGeneralSettings(ctx, 0);
        Main& main = ctx.Windows.Main;
        main.InvBar.SetEnabled(true);
        main.ExamineItem.SetEnabled(true);
        SavedGameRecord& snapshot = ctx.Saves.Snapshot;
        snapshot = std::move(*read.record);
        snapshot.Soundtrack = FixedText<15>(snapshot.Soundtrack.Trimmed());
        GameState& state = ctx.State;
        for (int flag = 1; flag <= 255; ++flag) {
            state.Flags(flag) = snapshot.Flags(flag);
        }
        for (int location = 1; location <= kMapLocations; ++location) {
            state.Locations(location).Available = snapshot.Map(location);
        }
        RestoreSavedGame(ctx);
    } catch (const RuntimeError& error) {
        ReportTrap(ctx, "LoadSavedGame", error);
    }
    return true;
}

}  // namespace morvane
