// Measures the window front end on the game's main window: the CPU it uses while it shows a
// still scene, while twenty animated pictures play and while a movie plays over the scene, how
// long a picture change takes to reach the screen, and what one full redraw costs.
// `demo SECONDS` only shows the demo scene (for screenshots).
//
//   morvane-window-bench [SECONDS]      measurements, each run SECONDS long (default 10)
//   morvane-window-bench SECONDS report  only the figures with targets, beside them
//   morvane-window-bench first-frame     shows the scene once, says so and ends (timed by report)
//   morvane-window-bench demo SECONDS   the demo scene with a message box over it

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "backend/sdl_backend.h"
#include "bench_gifs.h"
#include "child_process.h"
#include "demo_scene.h"
#include "media/ffmpeg/ffmpeg_movies.h"
#include "media/ffmpeg_test_movie.h"
#include "platform/game_paths.h"
#include "platform/gif_decoder.h"
#include "platform/sdl/memory_picture.h"
#include "report.h"
#include "support/temp_folder.h"

namespace morvane::bench {
namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the player's main loop for `seconds` and returns the share of one core it used.
double CpuShare(WindowRuntime& runtime, double seconds) {
    Timer end(runtime.loop);
    end.OnTimer = [&runtime] { runtime.loop.Quit(); };
    end.SetInterval(static_cast<int>(seconds * 1000));
    const double cpu_before = CpuSeconds();
    const auto wall_before = Clock::now();
    runtime.loop.RunMainLoop([] { return false; });
    const double wall = std::chrono::duration<double>(Clock::now() - wall_before).count();
    return (CpuSeconds() - cpu_before) / wall;
}

// The resident memory of this process, in MiB.
double ResidentMiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return 0;
    }
    char line[256];
    double kib = 0;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "VmRSS: %lf kB", &kib) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kib / 1024;
}

// The still scene idling: nothing changes, so nothing should be drawn.
bool MeasureStill(double seconds) {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, 0);
    scene.Show();
    runtime.window.Refresh();
    const auto draws = runtime.window.CanvasDraws();
    const double share = CpuShare(runtime, seconds);
    char figure[96];
    std::snprintf(figure, sizeof figure, "%llu redraws in %.0f s",
                  static_cast<unsigned long long>(runtime.window.CanvasDraws() - draws), seconds);
    return Report("window idle CPU, still scene", figure, share * 100, 1.0, true, " %");
}

// Twenty 640 x 480 animated GIFs, decoded by the player, playing in the scene view.
bool MeasureHeavy(double seconds) {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, 0);
    std::vector<PicturePtr> pictures;
    int frames = 0;
    for (const GifImage& image : SceneObjectGifs(20)) {
        const std::string bytes = EncodeGif(image);
        pictures.push_back(
            DecodeGif(std::vector<uint8_t>(bytes.begin(), bytes.end()), "object.gif").picture);
        frames += pictures.back()->FrameCount();
    }
    for (int i = 1; i <= 20; ++i) {
        AnimatedPicture& object = scene.main.Animation(i);
        object.SetPictureFile(pictures[static_cast<std::size_t>(i - 1)]);
        object.Move(0, 0, object.Width(), object.Height());
        object.SetVisible(true);
        object.Start();
    }
    pictures.clear();
    scene.Show();
    runtime.window.Refresh();
    const auto draws = runtime.window.CanvasDraws();
    const double share = CpuShare(runtime, seconds);
    const auto& textures = runtime.window.Renderer().Pictures();
    char figure[128];
    std::snprintf(figure, sizeof figure, "%llu redraws, %d frames in all",
                  static_cast<unsigned long long>(runtime.window.CanvasDraws() - draws), frames);
    bool met =
        Report("window idle CPU, 20 animated 640x480 GIFs", figure, share * 100, 3.0, true, " %");
    std::snprintf(figure, sizeof figure, "%zu textures, %llu whole, %llu partial updates",
                  textures.Count(), static_cast<unsigned long long>(textures.Uploads()),
                  static_cast<unsigned long long>(textures.PartialUpdates()));
    met = Report("texture memory, 20-GIF scene", figure,
                 static_cast<double>(textures.Bytes()) / (1 << 20), 150, true, " MiB") &&
          met;
    return Report("resident memory, 20-GIF scene", "whole process", ResidentMiB(), 150, true,
                  " MiB") &&
           met;
}

// From starting a program to its first frame on screen: this program started again, making
// the window, its renderer and font and the game's windows, then drawing the scene once.
bool MeasureFirstFrame(const char* self, int rounds) {
    std::vector<double> cpu;
    std::vector<double> wall;
    for (int round = 0; round < rounds; ++round) {
        const auto lines = RunTimed(std::string("'") + self + "' first-frame");
        const bool shown = lines.size() >= 2 && lines.front().text == "shown\n";
        cpu.push_back(shown ? lines.front().cpu_ms : 1e9);
        wall.push_back(shown ? lines.front().wall_ms : 1e9);
    }
    char figure[96];
    std::snprintf(figure, sizeof figure, "processor time (%.0f ms wall clock)", Median(wall));
    return Report("window start to first frame", figure, Median(cpu), 300, true, " ms");
}

void FirstFrame() {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, 20);
    runtime.window.OnPresented = [] {
        std::printf("shown\n");
        std::fflush(stdout);
    };
    scene.Show();
    runtime.window.Refresh();
}

void MeasureCpu(int animated, double seconds) {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, animated);
    scene.Show();
    runtime.window.Refresh();
    scene.StartAll();
    const auto draws = runtime.window.CanvasDraws();
    const double share = CpuShare(runtime, seconds);
    const int frames = scene.FramesShown();
    std::printf(
        "cpu %2d animated objects: %5.2f %% of a core over %.0f s  (%llu redraws, "
        "%d object frames, %zu textures)\n",
        animated, share * 100, seconds,
        static_cast<unsigned long long>(runtime.window.CanvasDraws() - draws), frames,
        runtime.window.Renderer().Pictures().Count());
}

// A movie the size of the scene view, 15 frames a second with sound, played over the scene
// again and again.
void MeasureMovie(double seconds) {
    WindowRuntime runtime({}, MakeFfmpegMovies);
    DemoScene scene(runtime.desktop, 0);
    testing::TempFolder folder;
    testing::TestMovie movie_shape;
    movie_shape.width = Main::kSceneWidth;
    movie_shape.height = Main::kSceneHeight;
    movie_shape.frames = 30;
    movie_shape.frames_per_second = 15;
    testing::WriteTestMovie(folder.Path() / "movie.avi", movie_shape);
    const GamePaths paths(folder.Path());
    const auto engine = runtime.backend->MakeMovieEngine(runtime.loop, paths);
    runtime.desktop.SetMovieEngine(engine.get());
    MovieControl& movie = scene.main.MovieWindow;
    movie.SetFileName(paths.GameFolder() + "movie.avi");
    movie.SetVisible(true);
    int frames = 0;
    movie.OnModeChangeEx = [&movie](int mode) {
        if (mode == MovieControl::kModeStopped) {
            movie.SetCommand("play");
        }
    };
    scene.Show();
    runtime.window.Refresh();
    PicturePtr last = movie.Picture();
    const auto draws = runtime.window.CanvasDraws();
    runtime.window.OnPresented = [&] {
        if (movie.Picture() != last) {
            last = movie.Picture();
            ++frames;
        }
    };
    movie.SetCommand("play");
    const double share = CpuShare(runtime, seconds);
    std::printf(
        "cpu movie %dx%d MJPEG at %d fps with sound: %5.2f %% of a core over %.0f s  (%d movie "
        "frames shown, %llu redraws, sound device %s)\n",
        movie_shape.width, movie_shape.height, movie_shape.frames_per_second, share * 100, seconds,
        frames, static_cast<unsigned long long>(runtime.window.CanvasDraws() - draws),
        runtime.backend->MoviesHeard() ? "open" : "missing");
}

void MeasureLatency(int changes) {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, 20);
    scene.Show();
    scene.StartAll();
    // An item picked up: its inventory slot changes picture while the objects animate.
    PictureBox& slot = scene.main.invitem(5);
    slot.SetVisible(true);
    const PicturePtr pictures[] = {MakeSpinnerPicture(40, 1, 100, 0xFFFF8000u),
                                   MakeSpinnerPicture(40, 1, 100, 0xFF00C0FFu)};
    std::vector<double> latencies;
    Clock::time_point changed_at{};
    bool waiting = false;
    runtime.window.OnPresented = [&] {
        if (waiting) {
            latencies.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - changed_at).count());
            waiting = false;
        }
    };
    Timer change(runtime.loop);
    int count = 0;
    change.OnTimer = [&] {
        if (count == changes) {
            runtime.loop.Quit();
            return;
        }
        slot.SetPicture(pictures[count++ % 2]);
        changed_at = Clock::now();
        waiting = true;
    };
    change.SetInterval(37);
    runtime.loop.RunMainLoop([] { return false; });
    std::sort(latencies.begin(), latencies.end());
    if (latencies.empty()) {
        std::printf("latency: no frames shown\n");
        return;
    }
    std::printf(
        "picture change to frame on screen (%zu changes, 20 objects animating): "
        "median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n",
        latencies.size(), latencies[latencies.size() / 2], latencies[latencies.size() * 95 / 100],
        latencies.back());
}

void MeasureRedraw(int rounds) {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, 20);
    scene.Show();
    runtime.window.Refresh();
    for (const bool whole : {false, true}) {
        const auto start = Clock::now();
        for (int i = 0; i < rounds; ++i) {
            if (whole) {
                runtime.window.Renderer().Invalidate();
            }
            scene.main.ConvText(1).SetLeft(78 + i % 2);
            runtime.window.Refresh();
        }
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::printf("%s (20 objects, textures cached): %.2f ms a frame\n",
                    whole ? "whole canvas drawn and shown" : "one caption moved, drawn and shown",
                    ms / rounds);
    }
}

void Demo(double seconds) {
    WindowRuntime runtime;
    DemoScene scene(runtime.desktop, 20);
    scene.Show();
    scene.StartAll();
    runtime.desktop.Pointer().AssignPicture(MakePointerPicture());
    Timer ask(runtime.loop);
    ask.OnTimer = [&] {
        ask.SetEnabled(false);
        runtime.desktop.ShowMessageBox({"Morvane",
                                        "Do you really want to quit the game?\r\nUnsaved "
                                        "progress will be lost.",
                                        MsgBoxButtons::kYesNo, MsgBoxIcon::kQuestion});
    };
    ask.SetInterval(300);
    Timer end(runtime.loop);
    end.OnTimer = [&runtime] { runtime.loop.Quit(); };
    end.SetInterval(static_cast<int>(seconds * 1000));
    runtime.loop.RunMainLoop([] { return false; });
}

}  // namespace
}  // namespace morvane::bench

int main(int argc, char** argv) {
    using namespace morvane::bench;
    try {
        if (argc >= 2 && std::string(argv[1]) == "demo") {
            Demo(argc >= 3 ? std::atof(argv[2]) : 5.0);
            return 0;
        }
        if (argc >= 2 && std::string(argv[1]) == "first-frame") {
            FirstFrame();
            return 0;
        }
        const double seconds = argc >= 2 ? std::atof(argv[1]) : 10.0;
        {
            const morvane::sdl::GameWindow probe;
            std::printf("video driver %s, renderer %s\n", SDL_GetCurrentVideoDriver(),
                        probe.RendererName().c_str());
        }
        if (argc >= 3 && std::string(argv[2]) == "report") {
            // Only the figures with targets.
            const bool first = MeasureFirstFrame(argv[0], 5);
            const bool still = MeasureStill(seconds);
            const bool heavy = MeasureHeavy(seconds);
            return first && still && heavy ? 0 : 1;
        }
        MeasureCpu(0, seconds);
        MeasureCpu(20, seconds);
        MeasureMovie(seconds);
        MeasureLatency(100);
        MeasureRedraw(200);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
