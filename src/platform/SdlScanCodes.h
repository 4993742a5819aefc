#pragma once

#include <cstdint>

// SDL's scan codes (USB usage numbers) turned into the game's PC set-1 scan codes and back.
// Keys the game has no number for become 0.
std::uint8_t PcScanCodeFromSdl(int sdlScanCode);
// 0 (SDL_SCANCODE_UNKNOWN) for a scan code no SDL key gives.
int SdlScanCodeFromPc(std::uint8_t pcScanCode);
