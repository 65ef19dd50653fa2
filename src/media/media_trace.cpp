#include "media/media_trace.h"

namespace morvane {
namespace {

std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

}  // namespace

void MediaTrace::Sound(int channel, std::string_view name, bool looping, Long pan,
                       Long volume) const {
    if (!Enabled()) {
        return;
    }
    Write("media: sound " + std::to_string(channel) + " " + std::string(name) + " loop=" +
          BooleanText(looping) + " pan=" + std::to_string(pan) + " vol=" + std::to_string(volume));
}

void MediaTrace::Midi(std::string_view name, Long volume) const {
    if (!Enabled()) {
        return;
    }
    Write("media: midi " + std::string(name) + " vol=" + std::to_string(volume));
}

void MediaTrace::Mp3(std::string_view name, Long volume, Long balance) const {
    if (!Enabled()) {
        return;
    }
    Write("media: mp3 " + std::string(name) + " vol=" + std::to_string(volume) +
          " bal=" + std::to_string(balance));
}

void MediaTrace::Movie(std::string_view name, Long volume) const {
    if (!Enabled()) {
        return;
    }
    Write("media: movie " + std::string(name) + " vol=" + std::to_string(volume));
}

void MediaTrace::Write(const std::string& line) const {
    sink_(line);
}

void MediaTrace::FileProblem(const std::string& file, int number,
                             const std::string& description) const {
    if (!problems_) {
        return;
    }
    constexpr int kFileNotFound = 53;
    problems_(number == kFileNotFound ? "file not found: " + file
                                      : "cannot play " + file + ": " + description);
}

}  // namespace morvane
