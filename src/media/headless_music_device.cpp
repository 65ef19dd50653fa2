#include "media/headless_music_device.h"

#include "media/music_check.h"

namespace morvane {

void HeadlessMusicDevice::PlayMidi(const std::string& name, const std::filesystem::path& file,
                                   Long volume) {
    midi_.reset();
    if (RequirePlayableMidi(file)) {
        midi_ = Music{name, volume, 0};
    }
}

void HeadlessMusicDevice::StopMidi() {
    midi_.reset();
}

void HeadlessMusicDevice::SetMidiVolume(Long volume) {
    if (midi_) {
        midi_->volume = volume;
    }
}

void HeadlessMusicDevice::PlayMp3(const std::string& name, const std::filesystem::path& file,
                                  Long volume, Long balance) {
    mp3_.reset();
    if (RequirePlayableMp3(file)) {
        mp3_ = Music{name, volume, balance};
    }
}

void HeadlessMusicDevice::StopMp3() {
    mp3_.reset();
}

void HeadlessMusicDevice::SetMp3Volume(Long volume) {
    if (mp3_) {
        mp3_->volume = volume;
    }
}

bool HeadlessMusicDevice::TerminateMp3() {
    mp3_.reset();
    return true;
}

std::optional<std::string> HeadlessMusicDevice::PlayingMidi() const {
    return midi_ ? std::optional<std::string>(midi_->name) : std::nullopt;
}

std::optional<std::string> HeadlessMusicDevice::PlayingMp3() const {
    return mp3_ ? std::optional<std::string>(mp3_->name) : std::nullopt;
}

}  // namespace morvane
