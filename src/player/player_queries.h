#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "debug/game_queries.h"

namespace morvane {

class Desktop;
struct GameState;

// Answers a script's questions from the running game: the game state, the pointer pictures
// held by the hidden windows `MousePoint` and `ItemImages`, and the sound device.
class PlayerQueries final : public GameQueries {
  public:
    using SoundLookup = std::function<std::optional<std::string>(int channel)>;
    using MusicLookup = std::function<std::optional<std::string>()>;

    PlayerQueries(const GameState& state, const Desktop& desktop)
        : state_(state), desktop_(desktop) {}

    // What the sound channels play; until a sound device is attached every channel is silent.
    void SetSoundLookup(SoundLookup lookup) { sound_ = std::move(lookup); }
    // What music plays; until a music device is attached none does.
    void SetMusicLookup(MusicLookup lookup) { music_ = std::move(lookup); }

    Integer Flag(int number) const override;
    Integer CurrentScene() const override;
    std::vector<Integer> InventoryItems() const override;
    std::optional<Integer> ItemInHand() const override;
    PicturePtr CustomPointer(int number) const override;
    PicturePtr HeldItemPointer(bool highlighted) const override;
    std::optional<std::string> SoundPlaying(int channel) const override;
    std::optional<std::string> MusicPlaying() const override;
    bool LocationAvailable(int location) const override;

  private:
    // The slot of the item in hand; nothing when no item is held.
    std::optional<int> HeldSlot() const;
    PicturePtr PictureOf(const std::string& control) const;

    const GameState& state_;
    const Desktop& desktop_;
    SoundLookup sound_;
    MusicLookup music_;
};

}  // namespace morvane
