#include "media/sdl/sdl_sound_device.h"

#include <SDL_mixer.h>

#include <algorithm>
#include <limits>

#include "base/runtime_error.h"
#include "media/media_errors.h"
#include "media/sdl/sdl_audio.h"
#include "media/volume_mapping.h"
#include "platform/event_loop.h"
#include "platform/timer.h"

namespace morvane {
namespace {

struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;

// The mixer's own file loader leaks its file handle on a file it cannot read, so the file is
// opened and closed here.
ChunkPtr LoadChunk(const std::filesystem::path& file) {
    SDL_RWops* source = SDL_RWFromFile(file.string().c_str(), "rb");
    if (source == nullptr) {
        return nullptr;
    }
    ChunkPtr chunk(Mix_LoadWAV_RW(source, 0));
    SDL_RWclose(source);
    return chunk;
}

constexpr int kPanFull = 255;
constexpr int kRecheckMs = 20;

}  // namespace

struct SdlSoundDevice::Channel {
    Channel(EventLoop& loop, int mixer) : mixer_channel(mixer), end(loop) {
        end.SetEnabled(false);
        // Only wakes the loop: the mixer itself says whether the channel still plays, and it
        // may be a buffer behind, so the timer looks again shortly until the sound is over.
        end.OnTimer = [this] {
            if (Mix_Playing(mixer_channel) == 0) {
                end.SetEnabled(false);
            } else if (end.Interval() != kRecheckMs) {
                end.SetInterval(kRecheckMs);
            }
        };
    }

    // Halts before the chunk goes, since the mixer reads it while it plays.
    void Silence() {
        Mix_HaltChannel(mixer_channel);
        end.SetEnabled(false);
        chunk.reset();
        name.clear();
    }

    int mixer_channel;
    ChunkPtr chunk;
    std::string name;
    Timer end;
};

SdlSoundDevice::SdlSoundDevice(EventLoop& loop, SdlAudio& audio) : loop_(loop), audio_(audio) {
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        channels_[i] = std::make_unique<Channel>(loop_, static_cast<int>(i));
    }
}

SdlSoundDevice::~SdlSoundDevice() {
    Release();
}

SdlSoundDevice::Channel* SdlSoundDevice::Find(int channel) const {
    if (released_ || channel < 1 || channel > static_cast<int>(channels_.size())) {
        return nullptr;
    }
    return channels_[static_cast<std::size_t>(channel - 1)].get();
}

void SdlSoundDevice::Play(int channel, const std::string& name, const std::filesystem::path& file,
                          bool looping) {
    if (released_) {
        return;
    }
    Channel* target = Find(channel);
    if (target == nullptr) {
        Raise(ErrorNumber::kIllegalFunctionCall);
    }
    RequireMediaFile(file);
    ChunkPtr chunk = LoadChunk(file);
    if (!chunk) {
        RaiseInvalidFileFormat();
    }
    target->Silence();
    target->chunk = std::move(chunk);
    target->name = name;
    Mix_Volume(target->mixer_channel, MIX_MAX_VOLUME);
    Mix_SetPanning(target->mixer_channel, kPanFull, kPanFull);
    if (Mix_PlayChannel(target->mixer_channel, target->chunk.get(), looping ? -1 : 0) < 0) {
        target->Silence();
        Raise(ErrorNumber::kDeviceIOError);
    }
    if (!looping && audio_.BytesPerSecond() > 0) {
        const int64_t length =
            static_cast<int64_t>(target->chunk->alen) * 1000 / audio_.BytesPerSecond() + 1;
        target->end.SetInterval(
            static_cast<int>(std::min<int64_t>(length, std::numeric_limits<int>::max())));
        target->end.SetEnabled(true);
    }
}

void SdlSoundDevice::SetPan(int channel, Long pan) {
    if (Channel* target = Find(channel); target != nullptr && target->chunk) {
        const StereoGains gains = PanToGains(pan, kPanFull);
        Mix_SetPanning(target->mixer_channel, static_cast<Uint8>(gains.left),
                       static_cast<Uint8>(gains.right));
    }
}

void SdlSoundDevice::SetVolume(int channel, Long volume) {
    if (Channel* target = Find(channel); target != nullptr && target->chunk) {
        Mix_Volume(target->mixer_channel, VolumeToAmplitude(volume, MIX_MAX_VOLUME));
    }
}

void SdlSoundDevice::Stop(int channel) {
    if (Channel* target = Find(channel); target != nullptr) {
        target->Silence();
    }
}

std::optional<std::string> SdlSoundDevice::Playing(int channel) const {
    const Channel* target = Find(channel);
    if (target == nullptr || !target->chunk || Mix_Playing(target->mixer_channel) == 0) {
        return std::nullopt;
    }
    return target->name;
}

void SdlSoundDevice::Release() {
    if (released_) {
        return;
    }
    for (auto& channel : channels_) {
        channel->Silence();
    }
    released_ = true;
}

}  // namespace morvane
