#pragma once

#include <SDL.h>

#include <string_view>
#include <vector>

namespace morvane::sdl {

// The key code the game's key handlers know for an SDL key (letters as capitals, digits, F1 to
// F12 from 112, the arrows from 37, ...); 0 for keys they never see.
int KeyCodeOf(SDL_Keycode key);

// The shift argument of key and mouse events: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftStateOf(Uint16 modifiers);

// The key press a key sends besides typed text (Enter, Escape, Backspace, Tab); 0 for others,
// whose characters arrive as text input.
int ControlKeyAsciiOf(SDL_Keycode key);

// The Windows-1252 bytes of typed UTF-8 text, one per character; characters that have no such
// byte are left out, as the game could not store them anyway.
std::vector<unsigned char> TypedBytes(std::string_view utf8);

}  // namespace morvane::sdl
