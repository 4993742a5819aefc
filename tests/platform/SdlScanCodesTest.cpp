#include "platform/SdlScanCodes.h"

#include <SDL2/SDL_scancode.h>
#include <gtest/gtest.h>

#include "input/KeyTable.h"

TEST(SdlScanCodesTest, EveryGameKeyHasOneSdlKeyAndBack) {
    const auto& keys = KeyTable();
    for (int key = 1; key < kKeyCount; ++key) {
        const int sdl = SdlScanCodeFromPc(keys[key].scanCode);
        EXPECT_NE(sdl, SDL_SCANCODE_UNKNOWN) << keys[key].name;
        EXPECT_EQ(PcScanCodeFromSdl(sdl), keys[key].scanCode) << keys[key].name;
    }
    EXPECT_EQ(PcScanCodeFromSdl(SDL_SCANCODE_RCTRL), 157);
    // Keys the game has no number for, and nonsense, become no key.
    EXPECT_EQ(PcScanCodeFromSdl(SDL_SCANCODE_CAPSLOCK), 0);
    EXPECT_EQ(PcScanCodeFromSdl(-1), 0);
    EXPECT_EQ(PcScanCodeFromSdl(SDL_NUM_SCANCODES), 0);
    EXPECT_EQ(SdlScanCodeFromPc(0), SDL_SCANCODE_UNKNOWN);
}
