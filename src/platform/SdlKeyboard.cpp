#include "platform/SdlKeyboard.h"

#include <SDL2/SDL.h>

#include "platform/SdlScanCodes.h"
#include "platform/SdlWindow.h"

SdlKeyboard::SdlKeyboard(SdlWindow& window) : window_(window) { window_.AttachKeyboard(this); }

SdlKeyboard::~SdlKeyboard() { window_.AttachKeyboard(nullptr); }

void SdlKeyboard::ReadState(State& state) {
    state.fill(0);
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    for (int sdl = 0; sdl < count; ++sdl) {
        const std::uint8_t pc = PcScanCodeFromSdl(sdl);
        if (keys[sdl] != 0 && pc != 0) state[pc] = 0x80;
    }
}

void SdlKeyboard::OnKey(int sdlScanCode, bool pressed) {
    buffer_.Push({PcScanCodeFromSdl(sdlScanCode), pressed});
}
