// Bindings files are edited by players: any text must read without harm, and whatever it
// says, every action keeps a key and buttons the game knows, each button on its own device.
#include <cstdint>
#include <sstream>
#include <string>

#include "core/Log.h"
#include "input/InputSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Log log;  // never opened: lines go nowhere
    InputSystem input(log, nullptr);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    input.ReadBinds(in);
    for (int action = 0; action < kActionCount; ++action) {
        const int key = input.ActionKey(action);
        if (key < 0 || key >= kKeyCount) __builtin_trap();
        for (const ButtonDevice device : {ButtonDevice::Mouse, ButtonDevice::Pad}) {
            const int button = input.ActionButton(action, device);
            if (button < 0 || button >= kButtonCount) __builtin_trap();
            if (button != Button::kNone && ButtonTable()[button].device != device) __builtin_trap();
        }
    }
    return 0;
}
