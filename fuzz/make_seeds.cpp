// Writes the seed corpus of every fuzz target, made with the project's own writers: the game
// writer's database files, the GIF writer's pictures (and SDL's BMP, PNG and JPEG), the test
// helpers' WAV, AVI, MIDI and MP3 files, and the demo game's walkthrough.
//
//   make_seeds SOURCE_DIR CORPUS_DIR
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "database/game_source.h"
#include "database/record_codec.h"
#include "database/saved_game_record.h"
#include "platform/gif_writer.h"
#include "support/game_builder.h"
#include "support/media_files.h"
#include "support/music_files.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Seed(const fs::path& corpus, const std::string& target, const std::string& name,
          const std::string& bytes) {
    fs::create_directories(corpus / target);
    std::ofstream(corpus / target / name, std::ios::binary | std::ios::trunc) << bytes;
}

template <typename Record>
std::string Encode(const std::vector<Record>& records) {
    std::string bytes;
    for (const Record& record : records) {
        bytes += morvane::EncodeRecord(record);
    }
    return bytes;
}

void DatabaseSeeds(const fs::path& corpus, const fs::path& source) {
    const morvane::GameData demo =
        morvane::ParseGameSource(ReadFile(source / "games" / "demo" / "game.json"));
    const morvane::GameData distinct = morvane::testing::DistinctGame();
    int n = 0;
    for (const morvane::GameData* game : {&demo, &distinct}) {
        const std::string tag = std::to_string(++n);
        Seed(corpus, "scene_record", tag, Encode(game->Scenes));
        Seed(corpus, "location_record", tag, Encode(game->Locations));
        Seed(corpus, "inventory_record", tag, Encode(game->Items));
        Seed(corpus, "conversation_record", tag, Encode(game->Conversations));
        Seed(corpus, "general_record", tag,
             game->General ? morvane::EncodeRecord(*game->General) : std::string());
        // The whole folder: five shares, then the five files one after another.
        const std::string files[] = {Encode(game->Scenes), Encode(game->Locations),
                                     Encode(game->Items),
                                     game->General ? morvane::EncodeRecord(*game->General) : "",
                                     Encode(game->Conversations)};
        std::string all;
        for (const std::string& file : files) {
            all += file;
        }
        std::string shares;
        std::size_t left = all.size();
        for (const std::string& file : files) {
            shares += static_cast<char>(left == 0 ? 0 : file.size() * 255 / left);
            left -= file.size();
        }
        Seed(corpus, "game_files", tag, shares + all);
    }
}

morvane::GifImage Animation(bool interlaced, int disposal) {
    morvane::GifImage image;
    image.width = 24;
    image.height = 16;
    image.global_palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    image.repeat = 0;
    for (int f = 0; f < 3; ++f) {
        morvane::GifFrame frame;
        frame.left = f * 4;
        frame.top = f * 2;
        frame.width = 12;
        frame.height = 8;
        frame.indices.resize(96);
        for (std::size_t n = 0; n < frame.indices.size(); ++n) {
            frame.indices[n] = static_cast<uint8_t>((n + static_cast<std::size_t>(f)) % 4);
        }
        frame.disposal = disposal;
        frame.transparent = static_cast<uint8_t>(f % 4);
        frame.delay_cs = 5 * f;
        frame.interlaced = interlaced;
        if (f == 1) {
            frame.local_palette = {{9, 9, 9}, {99, 99, 99}, {199, 199, 199}, {255, 255, 255}};
        }
        image.frames.push_back(frame);
    }
    return image;
}

std::string SdlPicture(const char* format) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 16, 12, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 200, 100, 50));
    const SDL_Rect square{4, 4, 6, 4};
    SDL_FillRect(surface, &square, SDL_MapRGB(surface->format, 10, 20, 250));
    std::vector<char> buffer(64 * 1024);
    SDL_RWops* out = SDL_RWFromMem(buffer.data(), static_cast<int>(buffer.size()));
    const std::string kind = format;
    if (kind == "bmp") {
        SDL_SaveBMP_RW(surface, out, 0);
    } else if (kind == "png") {
        IMG_SavePNG_RW(surface, out, 0);
    } else {
        IMG_SaveJPG_RW(surface, out, 0, 80);
    }
    const auto written = static_cast<std::size_t>(SDL_RWtell(out));
    SDL_RWclose(out);
    SDL_FreeSurface(surface);
    return std::string(buffer.data(), written);
}

void PictureSeeds(const fs::path& corpus) {
    int n = 0;
    for (const bool interlaced : {false, true}) {
        for (const int disposal : {0, 1, 2, 3}) {
            const std::string gif = morvane::EncodeGif(Animation(interlaced, disposal));
            Seed(corpus, "gif", std::to_string(++n), gif);
            Seed(corpus, "picture", "gif" + std::to_string(n), gif);
        }
    }
    for (const char* format : {"bmp", "png", "jpg"}) {
        Seed(corpus, "picture", format, SdlPicture(format));
    }
}

void MediaSeeds(const fs::path& corpus) {
    using namespace morvane::testing;
    Seed(corpus, "wav", "pcm", Wav({}, 64));
    Seed(corpus, "wav", "stereo16", Wav({1, 2, 22050, 88200, 4, 16}, 256));
    Seed(corpus, "wav", "adpcm", Wav({2, 1, 11025, 5644, 256, 4}, 512));
    Seed(corpus, "avi", "small", Avi({}));
    Seed(corpus, "avi", "large", Avi({33333, 300, 640, 480}));
    Seed(corpus, "music", "midi", OneNoteMidi());
    Seed(corpus, "music", "midi-empty-track", MidiFile(MidiTrack("")));
    Seed(corpus, "music", "mp3", SilentMp3(3));
    Seed(corpus, "music", "mp3-tagged",
         std::string("ID3\x03\x00\x00\x00\x00\x00\x04", 10) + "tags" + SilentMp3(2));
}

// Saved games as the player writes them: an empty one, and one with every table filled.
void SavedGameSeeds(const fs::path& corpus) {
    morvane::SavedGameRecord record;
    Seed(corpus, "saved_game", "empty", morvane::EncodeRecord(record));
    record.Description = morvane::FixedText<50>("On the shore");
    record.Date = morvane::FixedText<10>("12-07-2026");
    record.Time = morvane::FixedText<10>("09:41 PM");
    record.Soundtrack = morvane::FixedText<15>("waves.mid");
    record.SoundtrackVolume = -1200;
    record.Scene = 3;
    for (int n = 1; n <= 255; ++n) {
        record.Flags(n) = static_cast<morvane::Integer>(n % 7);
    }
    for (int n = 1; n <= 20; ++n) {
        record.DelayRunning(n) = static_cast<morvane::Integer>(n % 2);
        record.DelayDuration(n) = static_cast<morvane::Integer>(n * 100);
        record.Map(n) = static_cast<morvane::Integer>(n % 2);
    }
    for (int n = 1; n <= 4; ++n) {
        record.Inventory(n) = static_cast<morvane::Integer>(n);
    }
    Seed(corpus, "saved_game", "full", morvane::EncodeRecord(record));
}

void ScriptSeeds(const fs::path& corpus, const fs::path& source) {
    Seed(corpus, "script", "walkthrough", ReadFile(source / "games" / "demo" / "walkthrough.txt"));
    Seed(corpus, "script", "commands",
         "wait 100\nclick Main.Animation(3) right\nhover MapWindow.Loctn(1)\nkey Escape\n"
         "type Main.Text1 hello\nselect LoadGame.List1 one\nanswer yes\nexpect flag 5 -2\n"
         "expect scene 3\nexpect inventory 1 2\nexpect in-hand none\nexpect visible Main\n"
         "expect hidden Main.Command1\nexpect caption Main.Label1 Caf\xC3\xA9\n"
         "expect pointer item\nexpect playing 3 door.wav\nexpect location 2 shown\nstate\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_seeds SOURCE_DIR CORPUS_DIR\n";
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path corpus = argv[2];
    DatabaseSeeds(corpus, source);
    PictureSeeds(corpus);
    MediaSeeds(corpus);
    ScriptSeeds(corpus, source);
    SavedGameSeeds(corpus);
    return 0;
}
