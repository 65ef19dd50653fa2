#include "media/headless_sound_device.h"

#include <algorithm>
#include <limits>

#include "base/runtime_error.h"
#include "media/wav_length.h"
#include "platform/event_loop.h"

namespace morvane {

struct HeadlessSoundDevice::Channel {
    explicit Channel(EventLoop& loop) : end(loop) {
        end.SetEnabled(false);
        end.OnTimer = [this] {
            end.SetEnabled(false);
            sound.reset();
        };
    }

    std::optional<Sound> sound;
    Timer end;
};

HeadlessSoundDevice::HeadlessSoundDevice(EventLoop& loop) {
    for (auto& channel : channels_) {
        channel = std::make_unique<Channel>(loop);
    }
}

HeadlessSoundDevice::~HeadlessSoundDevice() = default;

HeadlessSoundDevice::Channel* HeadlessSoundDevice::Find(int channel) const {
    if (released_ || channel < kFirstChannel || channel > kLastChannel) {
        return nullptr;
    }
    return channels_[static_cast<std::size_t>(channel - kFirstChannel)].get();
}

void HeadlessSoundDevice::Play(int channel, const std::string& name,
                               const std::filesystem::path& file, bool looping) {
    if (released_) {
        return;
    }
    Channel* target = Find(channel);
    if (target == nullptr) {
        Raise(ErrorNumber::kIllegalFunctionCall);
    }
    // Measured before anything changes, so a file that cannot play leaves the channel as it was.
    const TimeMs length = WavLength(file);
    target->sound = Sound{name, looping, 0, 0, length};
    target->end.SetEnabled(false);
    if (!looping) {
        const TimeMs interval = std::clamp<TimeMs>(length, 1, std::numeric_limits<int>::max());
        target->end.SetInterval(static_cast<int>(interval));
        target->end.SetEnabled(true);
    }
}

void HeadlessSoundDevice::SetPan(int channel, Long pan) {
    if (Channel* target = Find(channel); target != nullptr && target->sound) {
        target->sound->pan = pan;
    }
}

void HeadlessSoundDevice::SetVolume(int channel, Long volume) {
    if (Channel* target = Find(channel); target != nullptr && target->sound) {
        target->sound->volume = volume;
    }
}

void HeadlessSoundDevice::Stop(int channel) {
    if (Channel* target = Find(channel); target != nullptr) {
        target->end.SetEnabled(false);
        target->sound.reset();
    }
}

std::optional<std::string> HeadlessSoundDevice::Playing(int channel) const {
    const Channel* target = Find(channel);
    if (target == nullptr || !target->sound) {
        return std::nullopt;
    }
    return target->sound->name;
}

std::optional<HeadlessSoundDevice::Sound> HeadlessSoundDevice::SoundOn(int channel) const {
    const Channel* target = Find(channel);
    return target == nullptr ? std::nullopt : target->sound;
}

void HeadlessSoundDevice::Release() {
    for (int channel = kFirstChannel; channel <= kLastChannel; ++channel) {
        Stop(channel);
    }
    released_ = true;
}

}  // namespace morvane
