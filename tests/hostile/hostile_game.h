#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "database/game_data.h"
#include "database/game_files.h"
#include "platform/gif_writer.h"
#include "support/game_builder.h"
#include "support/media_files.h"
#include "support/music_files.h"

namespace morvane::testing {

// A small whole game for damaging: a menu with music, a first scene with a picture, an object,
// an entry sound, a looping sound, an entry movie and a soundtrack, a second scene, two map
// locations, two items (one carried at start) and a conversation the first scene shows.
inline constexpr const char* kHostileGameSource = R"({
  "general": {"1": "Hostile", "33": "menu.mid", "35": "1", "37": 1},
  "scenes": [
    {"header": {"1": "One", "7": "scene.gif", "8": "tune.mid", "10": "enter.wav",
                "16": "loop.wav", "19": "intro.avi"},
     "objects": [
       {"kind": 0, "pos1": 10, "pos2": 10, "s3": "thing.gif", "p12": 1, "p16": 1},
       {"kind": 8, "p12": 1, "p13": 2, "p14": 9, "p15": 0, "p16": 0}
     ]},
    {"header": {"1": "Two", "7": "scene.gif"}}
  ],
  "locations": [
    {"1": "Here", "2": "thing.gif", "3": 10, "4": 10, "6": 1, "7": 1, "12": "scene.gif"},
    {"1": "There", "2": "thing.gif", "3": 40, "4": 40, "6": 2, "7": 1}
  ],
  "items": [
    {"1": "Key", "2": "thing.gif", "3": "thing.gif", "4": 1, "17": "scene.gif"},
    {"1": "Coin", "2": "thing.gif", "3": "thing.gif"}
  ],
  "conversations": [
    {"3": ["Hello.", "Goodbye.", "", "", ""], "4": [1, 1, 0, 0, 0], "5": [1, 1, 0, 0, 0],
     "9": ["enter.wav", "", "", "", ""]}
  ]
})";

inline std::string SmallGif(int width, int height) {
    GifImage image;
    image.width = width;
    image.height = height;
    image.global_palette = {{0, 0, 0}, {200, 120, 40}};
    GifFrame frame;
    frame.width = width;
    frame.height = height;
    frame.indices.resize(static_cast<std::size_t>(width * height));
    for (std::size_t n = 0; n < frame.indices.size(); ++n) {
        frame.indices[n] = static_cast<uint8_t>(n % 3 == 0);
    }
    image.frames = {frame};
    return EncodeGif(image);
}

// The media the game names, each well formed.
struct HostileMedia {
    std::string picture = SmallGif(64, 48);
    std::string object = SmallGif(8, 8);
    std::string sound = Wav({}, 800);
    std::string movie = Avi({});
    std::string music = OneNoteMidi();
};

inline void WriteHostileGame(const std::filesystem::path& folder) {
    const GameBuilder builder(folder);
    builder.WriteJson(kHostileGameSource);
    const HostileMedia media;
    builder.WriteRaw("gfx/scene.gif", media.picture);
    builder.WriteRaw("gfx/thing.gif", media.object);
    builder.WriteRaw("mmedia/enter.wav", media.sound);
    builder.WriteRaw("mmedia/loop.wav", media.sound);
    builder.WriteRaw("mmedia/intro.avi", media.movie);
    builder.WriteRaw("mmedia/tune.mid", media.music);
    builder.WriteRaw("mmedia/menu.mid", media.music);
}

// Sets every Integer field of a record to one value and leaves the texts alone, or fills every
// text with NUL and high bytes and leaves the numbers alone.
struct EveryInteger {
    Integer value;
    template <std::size_t Width>
    void operator()(const RecordField&, FixedText<Width>&) const {}
    void operator()(const RecordField&, Integer& field) const { field = value; }
};

struct EveryText {
    template <std::size_t Width>
    void operator()(const RecordField&, FixedText<Width>& text) const {
        std::string bytes;
        for (std::size_t n = 0; n < Width; ++n) {
            static constexpr char kPattern[] = {'\0', '\xFF', '\x81', '\x9D', '\x1B', '\x7F', 'A'};
            bytes += kPattern[n % sizeof kPattern];
        }
        text = FixedText<Width>(bytes);
    }
    void operator()(const RecordField&, Integer&) const {}
};

template <typename Visitor>
GameData VisitEveryRecord(GameData game, const Visitor& visitor) {
    auto each = [&](auto& records) {
        for (auto& record : records) {
            std::remove_reference_t<decltype(record)>::Visit(record, visitor);
        }
    };
    each(game.Scenes);
    each(game.Locations);
    each(game.Items);
    each(game.Conversations);
    if (game.General) {
        GeneralRecord::Visit(*game.General, visitor);
    }
    return game;
}

}  // namespace morvane::testing
