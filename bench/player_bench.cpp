// The player program from the outside, headless on the virtual clock: how soon it runs the
// first script line, how much faster than real time it plays the demo's walkthrough, and how
// long a scene of twenty large animated GIFs takes to load the first time (every picture
// decoded) and the second (every picture from the decode cache). The load's own pauses pass on
// the virtual clock, so what is measured is the work beyond them.
//
//   morvane-player-bench BUILD_DIR SOURCE_DIR [ROUNDS]

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench_gifs.h"
#include "child_process.h"
#include "database/game_files.h"
#include "database/game_source.h"
#include "gif_baseline.h"
#include "report.h"
#include "support/temp_folder.h"

namespace morvane::bench {
namespace {

namespace fs = std::filesystem;

// Runs the player headless on `game` with `script`; every line it prints, with when it came.
std::vector<TimedLine> RunScript(const fs::path& build, const fs::path& game,
                                 const fs::path& script) {
    return RunTimed("'" + (build / "morvane-player").string() + "' '" + game.string() +
                    "' --headless --script '" + script.string() + "' 2>/dev/null");
}

std::vector<TimedLine> StateLines(const std::vector<TimedLine>& lines) {
    std::vector<TimedLine> states;
    for (const TimedLine& line : lines) {
        if (line.text.rfind("state:", 0) == 0) {
            states.push_back(line);
        }
    }
    return states;
}

long long VirtualMs(const fs::path& script) {
    std::ifstream in(script);
    long long total = 0;
    std::string word;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        long long ms = 0;
        if (words >> word && word == "wait" && words >> ms) {
            total += ms;
        }
    }
    return total;
}

// The demo game with its first scene's objects replaced by twenty large animated GIFs.
fs::path MakeHeavyGame(const fs::path& build, const fs::path& source, const fs::path& folder,
                       std::vector<std::vector<uint8_t>>& files) {
    const fs::path game = folder / "heavy";
    fs::copy(build / "games" / "demo", game, fs::copy_options::recursive);
    std::ifstream in(source / "games" / "demo" / "game.json");
    nlohmann::json document = nlohmann::json::parse(in);
    nlohmann::json objects = nlohmann::json::array();
    const std::vector<GifImage> gifs = SceneObjectGifs(20);
    for (std::size_t i = 0; i < gifs.size(); ++i) {
        const std::string name = "heavy" + std::to_string(i + 1) + ".gif";
        const std::string bytes = EncodeGif(gifs[i]);
        files.emplace_back(bytes.begin(), bytes.end());
        std::ofstream(game / "resource" / "gfx" / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        objects.push_back(
            {{"kind", 0}, {"pos1", 0}, {"pos2", 0}, {"s3", name}, {"p12", 1}, {"p16", 1}});
    }
    document["scenes"][0]["objects"] = objects;
    WriteGameFiles(game, ParseGameSource(document.dump()));
    return game;
}

}  // namespace
}  // namespace morvane::bench

int main(int argc, char** argv) {
    using namespace morvane::bench;
    namespace fs = std::filesystem;
    if (argc < 3) {
        std::fprintf(stderr, "usage: morvane-player-bench BUILD_DIR SOURCE_DIR [ROUNDS]\n");
        return 2;
    }
    const fs::path build = fs::absolute(argv[1]);
    const fs::path source = fs::absolute(argv[2]);
    const int rounds = argc >= 4 ? std::max(1, std::atoi(argv[3])) : 5;
    morvane::testing::TempFolder scratch;
    bool all = true;

    // Start-up: from starting the program to its first script line.
    {
        const fs::path script = scratch.Write("first.txt", "state\n");
        std::vector<double> cpu;
        std::vector<double> wall;
        for (int round = 0; round < rounds; ++round) {
            const auto states = StateLines(RunScript(build, build / "games" / "demo", script));
            cpu.push_back(states.empty() ? 1e9 : states.front().cpu_ms);
            wall.push_back(states.empty() ? 1e9 : states.front().wall_ms);
        }
        char figure[96];
        std::snprintf(figure, sizeof figure, "processor time (%.0f ms wall clock)", Median(wall));
        all =
            Report("headless start to first script line", figure, Median(cpu), 100, true, " ms") &&
            all;
    }

    // The demo's walkthrough, start-up included.
    {
        const fs::path script = source / "games" / "demo" / "walkthrough.txt";
        const double played = static_cast<double>(VirtualMs(script));
        std::vector<double> cpu;
        std::vector<double> wall;
        for (int round = 0; round < rounds; ++round) {
            const auto lines = RunScript(build, build / "games" / "demo", script);
            cpu.push_back(played / lines.back().cpu_ms);
            wall.push_back(played / lines.back().wall_ms);
        }
        char figure[96];
        std::snprintf(figure, sizeof figure, "%.0f s of play per processor time (%.0fx wall)",
                      played / 1000, Median(wall));
        all = Report("demo walkthrough headless, x real time", figure, Median(cpu), 500, false,
                     "x") &&
              all;
    }

    // Cold and warm load of the twenty-GIF scene, against giflib decoding the same files.
    {
        std::vector<std::vector<uint8_t>> files;
        const fs::path game = MakeHeavyGame(build, source, scratch.Path(), files);
        const fs::path script = scratch.Write("load.txt",
                                              "wait 6000\nstate\n"
                                              "click MainMenu.Buttn(2)\nwait 4000\nstate\n"
                                              "click Main.MainMenuButtn\nwait 500\n"
                                              "click QuitGameQuery.ButtnYes\nwait 4000\nstate\n"
                                              "click MainMenu.Buttn(2)\nwait 4000\nstate\n");
        std::vector<double> cold;
        std::vector<double> warm;
        std::vector<double> giflib;
        std::size_t bytes = 0;
        for (const auto& file : files) {
            bytes += file.size();
        }
        uint32_t sink = 0;
        for (int round = 0; round < rounds; ++round) {
            const auto states = StateLines(RunScript(build, game, script));
            if (states.size() == 4) {
                cold.push_back(states[1].cpu_ms - states[0].cpu_ms);
                warm.push_back(states[3].cpu_ms - states[2].cpu_ms);
            }
            const double start = CpuNowMs();
            for (const auto& file : files) {
                sink ^= DecodeWithGiflib(file);
            }
            giflib.push_back(CpuNowMs() - start);
        }
        const double reference = Median(giflib);
        char figure[128];
        std::snprintf(figure, sizeof figure,
                      "%.0f ms vs giflib %.0f ms processor time (20 GIFs, %zu KB)", Median(cold),
                      reference, bytes / 1024);
        all = Report("20-GIF scene cold load / giflib", figure,
                     cold.empty() ? 1e9 : Median(cold) / reference, 1.2, true, "x") &&
              all;
        std::snprintf(figure, sizeof figure, "%.0f ms processor time", Median(warm));
        all = Report("20-GIF scene warm load / giflib", figure,
                     warm.empty() ? 1e9 : Median(warm) / reference, 0.25, true, "x") &&
              all && sink != 1;
    }
    return all ? 0 : 1;
}
