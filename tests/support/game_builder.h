#pragma once

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/integer.h"
#include "database/game_data.h"
#include "database/game_files.h"
#include "database/game_source.h"
#include "support/temp_folder.h"

namespace morvane::testing {

// Makes game folders for tests through the project's own writer, from records or from a game
// source document, and lets a test damage a file afterwards (odd lengths, partial records).
class GameBuilder {
  public:
    explicit GameBuilder(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& Folder() const { return folder_; }

    const GameBuilder& Write(const GameData& game) const {
        WriteGameFiles(folder_, game);
        return *this;
    }

    const GameBuilder& WriteJson(std::string_view source) const {
        return Write(ParseGameSource(source));
    }

    // Replaces resource/NAME with the given bytes.
    const GameBuilder& WriteRaw(const std::string& name, std::string_view bytes) const {
        const auto file = folder_ / "resource" / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return *this;
    }

    std::string ReadRaw(const std::string& name) const {
        return ReadWholeFile(folder_ / "resource" / name);
    }

  private:
    std::filesystem::path folder_;
};

// Gives every field of a record a value of its own: Integers count on from `seed` (every other
// one negative), texts fill their whole width with the seed's digits, letters and a
// Windows-1252 byte outside ASCII, so a field read from the wrong place cannot pass.
class DistinctValues {
  public:
    explicit DistinctValues(int seed = 1) : next_(seed) {}

    template <typename Record>
    Record Fill(Record record) {
        Record::Visit(record, *this);
        return record;
    }

    template <std::size_t Width>
    void operator()(const RecordField&, FixedText<Width>& text) {
        std::string value = std::to_string(next_++) + "\xE9";
        while (value.size() < Width) {
            value += static_cast<char>('a' + static_cast<int>(value.size() + next_) % 26);
        }
        text = FixedText<Width>(value.substr(0, Width));
    }

    void operator()(const RecordField&, Integer& value) {
        const int n = next_++;
        value = static_cast<Integer>(n % 2 == 0 ? n : -n);
    }

  private:
    int next_;
};

// A whole game with distinct values in every field of every record.
inline GameData DistinctGame() {
    DistinctValues values;
    GameData game;
    for (int i = 0; i < 3; ++i) {
        game.Scenes.push_back(values.Fill(SceneRecord{}));
        game.Locations.push_back(values.Fill(LocationRecord{}));
        game.Items.push_back(values.Fill(InventoryRecord{}));
        game.Conversations.push_back(values.Fill(ConversationRecord{}));
    }
    game.General = values.Fill(GeneralRecord{});
    return game;
}

// The smallest game the player starts: default settings and map locations, each shown or
// hidden. A location needs a picture to be on the map at all.
inline GameData MapGame(const std::vector<bool>& shown) {
    GameData game;
    game.General = GeneralRecord{};
    for (const bool available : shown) {
        LocationRecord location;
        location.Picture = FixedText<15>("(None)");
        location.Available = available ? 1 : 0;
        game.Locations.push_back(location);
    }
    return game;
}

}  // namespace morvane::testing
