#include "database/game_files.h"

#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "database/record_file.h"

namespace morvane {
namespace {

template <typename Record>
std::vector<Record> ReadAll(const GamePaths& paths) {
    RecordFile file = RecordFile::Open<Record>(paths);
    std::vector<Record> records;
    const Integer count = file.Count();
    for (Integer n = 1; n <= count; ++n) {
        records.push_back(file.Read<Record>(n));
    }
    return records;
}

void WriteFile(const GamePaths& paths, std::string_view relative, const std::string& bytes) {
    const auto target = paths.ResolveForWriting(relative);
    if (!target) {
        throw std::runtime_error("cannot write " + std::string(relative));
    }
    std::error_code ec;
    std::filesystem::create_directories(target->parent_path(), ec);
    std::ofstream out(*target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + target->string());
    }
}

template <typename Record>
std::string EncodeAll(const std::vector<Record>& records) {
    std::string bytes;
    bytes.reserve(records.size() * Record::kLength);
    for (const Record& record : records) {
        bytes += EncodeRecord(record);
    }
    return bytes;
}

}  // namespace

GameData ReadGameFiles(const GamePaths& paths) {
    GameData game;
    game.Scenes = ReadAll<SceneRecord>(paths);
    game.Locations = ReadAll<LocationRecord>(paths);
    game.Items = ReadAll<InventoryRecord>(paths);
    game.Conversations = ReadAll<ConversationRecord>(paths);
    RecordFile general = RecordFile::Open<GeneralRecord>(paths);
    if (general.Length() == GeneralRecord::kLength) {
        game.General = general.Read<GeneralRecord>(1);
    }
    return game;
}

void WriteGameFiles(const std::filesystem::path& game_folder, const GameData& game) {
    std::error_code ec;
    std::filesystem::create_directories(game_folder, ec);
    if (ec) {
        throw std::runtime_error("cannot make " + game_folder.string() + ": " + ec.message());
    }
    const GamePaths paths(game_folder);
    WriteFile(paths, SceneRecord::kPath, EncodeAll(game.Scenes));
    WriteFile(paths, LocationRecord::kPath, EncodeAll(game.Locations));
    WriteFile(paths, InventoryRecord::kPath, EncodeAll(game.Items));
    WriteFile(paths, GeneralRecord::kPath, game.General ? EncodeRecord(*game.General) : "");
    WriteFile(paths, ConversationRecord::kPath, EncodeAll(game.Conversations));
}

}  // namespace morvane
