#include "backend/loaded_movies.h"

#include <dlfcn.h>

#include <optional>
#include <system_error>

#include "base/runtime_error.h"
#include "media/ffmpeg/ffmpeg_movies.h"

namespace morvane {
namespace {

// The module's entry point, found once per process. The module stays loaded until the process
// ends: engines made by it may live as long as the run.
struct LoadedModule {
    MakeMoviesFunction make = nullptr;
    std::string problem;
};

LoadedModule LoadModule(const std::vector<std::filesystem::path>& folders) {
    std::string problem = "no " + std::string(kMoviesModuleName) + " found";
    for (const auto& folder : folders) {
        const auto file = folder / kMoviesModuleName;
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error)) {
            continue;
        }
        void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            problem = dlerror();
            continue;
        }
        if (void* symbol = dlsym(handle, kMakeMoviesSymbol)) {
            return {reinterpret_cast<MakeMoviesFunction>(symbol), ""};
        }
        problem = file.string() + " has no movie engine";
    }
    return {nullptr, problem};
}

// Stands for the module's engine until the first movie is opened.
class LazyMovies final : public MovieEngine {
  public:
    LazyMovies(EventLoop& loop, const GamePaths& paths, MovieSoundOutput* sound,
               std::vector<std::filesystem::path> folders,
               std::function<void(const std::string&)> notice)
        : loop_(loop),
          paths_(paths),
          sound_(sound),
          folders_(std::move(folders)),
          notice_(std::move(notice)) {}

    std::unique_ptr<MoviePlayback> Open(std::string_view file_name) override {
        if (!tried_) {
            tried_ = true;
            const LoadedModule module = LoadModule(folders_);
            if (module.make != nullptr) {
                engine_.reset(module.make(loop_, paths_, sound_));
            } else if (notice_) {
                notice_("movies cannot play: " + module.problem);
            }
        }
        if (!engine_) {
            Raise(ErrorNumber::kInvalidFileFormat);
        }
        return engine_->Open(file_name);
    }

  private:
    EventLoop& loop_;
    const GamePaths& paths_;
    MovieSoundOutput* sound_;
    std::vector<std::filesystem::path> folders_;
    std::function<void(const std::string&)> notice_;
    bool tried_ = false;
    std::unique_ptr<MovieEngine> engine_;
};

}  // namespace

std::vector<std::filesystem::path> MoviesModuleFolders() {
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        folders.push_back(program.parent_path());
    }
    folders.emplace_back(MORVANE_MODULE_DIR);
    return folders;
}

MovieMaker LoadedFfmpegMovies(std::vector<std::filesystem::path> folders,
                              std::function<void(const std::string&)> notice) {
    return [folders = std::move(folders), notice = std::move(notice)](
               EventLoop& loop, const GamePaths& paths, MovieSoundOutput* sound) {
        return std::make_unique<LazyMovies>(loop, paths, sound, folders, notice);
    };
}

}  // namespace morvane
