#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "hostile_game.h"
#include "support/player_process.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

using testing::GameBuilder;

// New Game from the menu, a look at the first scene, a click on its object and the map button.
constexpr const char* kShortScript =
    "wait 3000\n"
    "click MainMenu.Buttn(2)\n"
    "wait 3000\n"
    "click Main.Animation(1)\n"
    "wait 1000\n"
    "state\n";

// One broken game folder: what is broken, how the intact game is damaged, and a word that each
// message box shown must hold (the name of the damaged file, or the error the damage gives).
struct BrokenFolder {
    std::string what;
    std::function<void(const GameBuilder&)> damage;
    std::vector<std::string> names;
};

std::string RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

void Rewrite(const GameBuilder& game, const std::function<GameData(GameData)>& change) {
    game.Write(change(ReadGameFiles(GamePaths(game.Folder()))));
}

// Each database file missing, empty, cut inside a record, one byte long, far too long and full
// of random bytes.
void AddDatabaseRows(std::vector<BrokenFolder>& rows) {
    const char* files[] = {"Morvane1.dat", "Morvane2.dat", "Morvane3.dat", "Morvane4.dat",
                           "Morvane5.dat"};
    unsigned seed = 1;
    for (const std::string file : files) {
        const std::vector<std::string> names = {"Error #", file};
        rows.push_back({file + " missing",
                        [file](const GameBuilder& g) {
                            std::filesystem::remove(g.Folder() / "resource" / file);
                        },
                        names});
        rows.push_back(
            {file + " empty", [file](const GameBuilder& g) { g.WriteRaw(file, ""); }, names});
        rows.push_back({file + " cut inside a record",
                        [file](const GameBuilder& g) {
                            const std::string bytes = g.ReadRaw(file);
                            g.WriteRaw(file, bytes.substr(0, bytes.size() * 2 / 3 + 1));
                        },
                        names});
        rows.push_back({file + " one byte",
                        [file](const GameBuilder& g) { g.WriteRaw(file, "\x01"); }, names});
        rows.push_back({file + " far too long",
                        [file](const GameBuilder& g) {
                            // Hundreds of records of rubbish after the game's own (past
                            // 32767 records for the shortest records).
                            g.WriteRaw(file, g.ReadRaw(file) + std::string(4'000'000, 'x'));
                        },
                        names});
        rows.push_back({file + " random bytes",
                        [file, seed](const GameBuilder& g) {
                            g.WriteRaw(file, RandomBytes(g.ReadRaw(file).size() + 13, seed));
                        },
                        names});
        ++seed;
    }
}

void AddFieldRows(std::vector<BrokenFolder>& rows) {
    for (const int value : {-32768, 32767}) {
        rows.push_back({"every number " + std::to_string(value),
                        [value](const GameBuilder& g) {
                            Rewrite(g, [value](GameData game) {
                                return testing::VisitEveryRecord(
                                    std::move(game),
                                    testing::EveryInteger{static_cast<Integer>(value)});
                            });
                        },
                        {"Error #", ".gif", ".wav", ".mid", ".avi"}});
    }
    rows.push_back({"every text NUL and high bytes",
                    [](const GameBuilder& g) {
                        Rewrite(g, [](GameData game) {
                            return testing::VisitEveryRecord(std::move(game), testing::EveryText{});
                        });
                    },
                    {"Error #", "Err #"}});
}

// Scene 1 refers to things the game does not have: its first object is a responder that fires
// on entering and does one out-of-range thing.
void AddReferenceRows(std::vector<BrokenFolder>& rows) {
    struct Reference {
        const char* what;
        std::vector<std::pair<int, int>> fields;
    };
    const Reference references[] = {
        {"scene", {{22, 1}, {23, 999}}},
        {"flag", {{24, 1}, {25, 30000}, {26, 1}}},
        {"location", {{28, 1}, {29, 999}}},
        {"item", {{30, 1}, {31, 999}}},
    };
    for (const Reference& reference : references) {
        rows.push_back({std::string("a ") + reference.what + " beyond the count",
                        [reference](const GameBuilder& g) {
                            Rewrite(g, [&](GameData game) {
                                ObjectBlock& o = game.Scenes.at(0).Objects(1);
                                o.Kind = 5;
                                o.P(12) = 1;
                                o.P(13) = 9;
                                for (const auto& [field, value] : reference.fields) {
                                    o.P(field) = static_cast<Integer>(value);
                                }
                                return game;
                            });
                        },
                        {"Error #"}});
    }
    rows.push_back({"a cue card beyond the count",
                    [](const GameBuilder& g) {
                        Rewrite(g, [](GameData game) {
                            ObjectBlock& o = game.Scenes.at(0).Objects(2);
                            o.P(12) = 999;
                            return game;
                        });
                    },
                    {"Error #"}});
    rows.push_back({"arrows and jumps to scenes beyond the count",
                    [](const GameBuilder& g) {
                        Rewrite(g, [](GameData game) {
                            SceneHeader& h = game.Scenes.at(0).Header;
                            h.JumpEnabled = 1;
                            h.JumpScene = 32767;
                            return game;
                        });
                    },
                    {"Error #"}});
}

// Pictures, sounds, movies and MIDI files cut short, empty, of another kind under their name,
// or claiming more data than the file holds.
void AddMediaRows(std::vector<BrokenFolder>& rows) {
    const testing::HostileMedia media;
    struct Medium {
        std::string file;
        std::string good;
        std::string other_kind;
        std::string beyond;
    };
    std::string long_wav = media.sound;
    long_wav.replace(4, 4, testing::U32(0x7FFFFFF0));
    long_wav.replace(long_wav.size() - 800 - 4, 4, testing::U32(0x7FFFFFF0));
    std::string long_avi = media.movie;
    long_avi.replace(4, 4, testing::U32(0x7FFFFFF0));
    long_avi.replace(16, 4, testing::U32(0x7FFFFFF0));
    std::string long_midi = media.music;
    long_midi[21] = '\x7F';
    std::string huge_gif = media.picture;
    huge_gif.replace(6, 4, std::string("\xFF\xFF\xFF\xFF", 4));
    const Medium media_files[] = {
        {"gfx/scene.gif", media.picture, media.sound, huge_gif},
        {"mmedia/enter.wav", media.sound, media.picture, long_wav},
        {"mmedia/intro.avi", media.movie, media.sound, long_avi},
        {"mmedia/tune.mid", media.music, media.picture, long_midi},
        {"mmedia/menu.mid", media.music, media.sound, long_midi},
    };
    for (const Medium& m : media_files) {
        const std::string name = std::filesystem::path(m.file).filename().string();
        const std::vector<std::string> names = {name, "Error #"};
        auto write = [file = m.file](std::string bytes) {
            return [file, bytes](const GameBuilder& g) { g.WriteRaw(file, bytes); };
        };
        rows.push_back({name + " cut short", write(m.good.substr(0, m.good.size() / 2)), names});
        rows.push_back({name + " empty", write(""), names});
        rows.push_back({name + " of another kind", write(m.other_kind), names});
        rows.push_back({name + " longer inside than the file", write(m.beyond), names});
    }
}

// Item files of the largest counts the format allows and one more.
void AddCountRows(std::vector<BrokenFolder>& rows) {
    for (const int count : {32766, 32767, 32768}) {
        rows.push_back({std::to_string(count) + " items",
                        [count](const GameBuilder& g) {
                            const std::string items = g.ReadRaw("Morvane3.dat");
                            const std::string coin = items.substr(InventoryRecord::kLength);
                            std::string all = items.substr(0, InventoryRecord::kLength);
                            all.reserve(InventoryRecord::kLength * static_cast<std::size_t>(count));
                            for (int n = 1; n < count; ++n) {
                                all += coin;
                            }
                            g.WriteRaw("Morvane3.dat", all);
                        },
                        {"Error #6: Overflow"}});
    }
}

std::vector<BrokenFolder> BrokenFolders() {
    std::vector<BrokenFolder> rows;
    rows.push_back({"intact", [](const GameBuilder&) {}, {}});
    AddDatabaseRows(rows);
    AddFieldRows(rows);
    AddReferenceRows(rows);
    AddMediaRows(rows);
    AddCountRows(rows);
    return rows;
}

std::vector<std::string> MessageBoxes(const std::string& out) {
    std::vector<std::string> boxes;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("msgbox: ")) {
            boxes.push_back(line);
        }
    }
    return boxes;
}

struct Played {
    testing::PlayerRun first;
    testing::PlayerRun second;
};

// Writes the intact game, damages it and plays the short script on it twice.
Played Play(const BrokenFolder& row) {
    testing::TempFolder scratch;
    const auto game = scratch.Path() / "game";
    testing::WriteHostileGame(game);
    row.damage(GameBuilder(game));
    Played played;
    played.first = testing::RunPlayerScript(scratch, game, kShortScript);
    // Where the data is rubbish, a second run shows that nothing depends on chance (memory
    // never written, the order of a hash); once per row would double the table's time.
    if (row.what.find("random") != std::string::npos || row.what.starts_with("every") ||
        row.what == "intact") {
        played.second = testing::RunPlayerScript(scratch, game, kShortScript);
    } else {
        played.second = played.first;
    }
    return played;
}

// Plays every row, as many at once as there are processors.
std::vector<Played> PlayAll(const std::vector<BrokenFolder>& rows) {
    std::vector<Played> played(rows.size());
    std::atomic<std::size_t> next = 0;
    std::vector<std::thread> workers;
    for (unsigned n = 0; n < std::max(1u, std::thread::hardware_concurrency()); ++n) {
        workers.emplace_back([&] {
            for (std::size_t row = next++; row < rows.size(); row = next++) {
                played[row] = Play(rows[row]);
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    return played;
}

// Each broken folder plays the short script to its end and exits normally with no sanitizer
// report (the rubbish ones twice, with the same output), and every message box it shows names
// its problem.
TEST(BrokenGameFolders, PlayToTheEndWithTheSameOutputAndMessagesThatNameTheProblem) {
    const std::vector<BrokenFolder> rows = BrokenFolders();
    const std::vector<Played> played = PlayAll(rows);
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const BrokenFolder& row = rows[n];
        const testing::PlayerRun& first = played[n].first;
        SCOPED_TRACE(row.what);
        EXPECT_EQ(first.status, 0) << first.out << first.err;
        EXPECT_EQ(first.out, played[n].second.out);
        // Standard error holds only the lines that name a media file the game could not play,
        // with no control character of the data reaching the terminal.
        std::istringstream err_lines(first.err);
        for (std::string line; std::getline(err_lines, line);) {
            EXPECT_TRUE(line.starts_with("morvane-player: file not found: ") ||
                        line.starts_with("morvane-player: cannot play "))
                << line;
            EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](char c) {
                return c >= 0 && c < 0x20;
            })) << line;
        }
        EXPECT_NE(first.out.find("state: "), std::string::npos) << first.out;
        const std::vector<std::string> boxes = MessageBoxes(first.out);
        for (const std::string& box : boxes) {
            bool named = false;
            for (const std::string& name : row.names) {
                named = named || box.find(name) != std::string::npos;
            }
            EXPECT_TRUE(named) << box;
        }
        const bool intact =
            row.what == "intact" || row.what == "32766 items" || row.what == "32767 items";
        if (intact) {
            EXPECT_EQ(boxes.size(), 0u) << first.out;
            EXPECT_NE(first.out.find("state: scene=1 "), std::string::npos) << first.out;
        }
        if (row.what == "32768 items") {
            EXPECT_FALSE(boxes.empty()) << first.out;
        }
    }
}

}  // namespace
}  // namespace morvane
