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
    // A plain int counts: a 16-bit counter would wrap past 32767, the largest count.
    const int count = file.Count();
    for (int n = 1; n <= count; ++n) {
        records.push_back(file.Read<Record>(n));
    }
    return records;
}

// One file of a game being written: its place and its bytes, first under a temporary name
// beside it.
struct StagedFile {
    std::filesystem::path target;
    std::filesystem::path temporary;
    std::string bytes;
};

// The temporary copies of the files written so far; whatever was not renamed into place is
// removed when the writing ends, so a failed build leaves no stray files.
class Staging {
  public:
    Staging() = default;
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;
    ~Staging() {
        for (const StagedFile& file : files_) {
            std::error_code ignored;
            std::filesystem::remove(file.temporary, ignored);
        }
    }

    void Add(const GamePaths& paths, std::string_view relative, std::string bytes) {
        const auto target = paths.ResolveForWriting(relative);
        if (!target) {
            throw std::runtime_error("cannot write " + std::string(relative));
        }
        std::error_code ec;
        std::filesystem::create_directories(target->parent_path(), ec);
        const auto status = std::filesystem::symlink_status(*target, ec);
        if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
            throw std::runtime_error("cannot write " + target->string() + ": not a file");
        }
        auto temporary = *target;
        temporary += ".partial";
        files_.push_back(StagedFile{*target, temporary, std::move(bytes)});
    }

    // Writes every temporary file, and only when all of them are complete renames each into
    // place: a disk that fills up or a file that cannot be made leaves the old game whole.
    void Commit() {
        for (const StagedFile& file : files_) {
            std::ofstream out(file.temporary, std::ios::binary | std::ios::trunc);
            out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
            out.close();
            if (!out) {
                throw std::runtime_error("cannot write " + file.target.string());
            }
        }
        for (const StagedFile& file : files_) {
            std::error_code ec;
            std::filesystem::rename(file.temporary, file.target, ec);
            if (ec) {
                throw std::runtime_error("cannot write " + file.target.string() + ": " +
                                         ec.message());
            }
        }
    }

  private:
    std::vector<StagedFile> files_;
};

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
    Staging staging;
    staging.Add(paths, SceneRecord::kPath, EncodeAll(game.Scenes));
    staging.Add(paths, LocationRecord::kPath, EncodeAll(game.Locations));
    staging.Add(paths, InventoryRecord::kPath, EncodeAll(game.Items));
    staging.Add(paths, GeneralRecord::kPath, game.General ? EncodeRecord(*game.General) : "");
    staging.Add(paths, ConversationRecord::kPath, EncodeAll(game.Conversations));
    staging.Commit();
}

}  // namespace morvane
