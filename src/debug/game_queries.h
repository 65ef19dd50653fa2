#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/integer.h"
#include "platform/picture.h"

namespace morvane {

// What a walkthrough script may ask of the running game besides the windows and controls.
// The player answers from its game state and media devices; tests answer with fakes.
class GameQueries {
  public:
    virtual ~GameQueries() = default;

    // Flag 0 to 255.
    virtual Integer Flag(int number) const = 0;
    virtual Integer CurrentScene() const = 0;
    // The item numbers of the occupied inventory slots, in slot order.
    virtual std::vector<Integer> InventoryItems() const = 0;
    // The item (not the slot) held as the pointer; nothing when no item is held.
    virtual std::optional<Integer> ItemInHand() const = 0;

    // The game's pointer picture 1 to 15 in use (`MousePoint.Pointer(N)`); null when unknown.
    virtual PicturePtr CustomPointer(int number) const = 0;
    // The held item's pointer, or its highlighted pointer; null when no item is held.
    virtual PicturePtr HeldItemPointer(bool highlighted) const = 0;

    // The bare name of the sound channel 1 to 20 plays now; nothing when it is silent.
    virtual std::optional<std::string> SoundPlaying(int channel) const = 0;

    // The bare name of the MP3 or MIDI music playing now (menu music or soundtrack); nothing
    // when neither plays. A WAV soundtrack is a sound on its channel.
    virtual std::optional<std::string> MusicPlaying() const = 0;

    // Whether map location 1 to 20 carries its available mark.
    virtual bool LocationAvailable(int location) const = 0;
};

}  // namespace morvane
