#pragma once

#include <memory>
#include <string_view>

#include "platform/movie_engine.h"

namespace morvane {

class EventLoop;
class GamePaths;

// Movies of a run without a window: a movie's size and length come from its AVI main header,
// and playing is a timer on the loop that runs for the rest of the movie, so a movie ends
// after its duration also on the virtual clock. A movie of no length plays for one millisecond.
// Nothing else of the file is read, so any AVI with a sound main header "plays".
class HeadlessMovieEngine final : public MovieEngine {
  public:
    HeadlessMovieEngine(EventLoop& loop, const GamePaths& paths);

    // Resolves the name through the game's paths; 53 when nothing is there, 321 when the file
    // has no usable AVI main header.
    std::unique_ptr<MoviePlayback> Open(std::string_view file_name) override;

  private:
    EventLoop& loop_;
    const GamePaths& paths_;
};

}  // namespace morvane
