// Bindings files are edited by players: any text must read without harm, and whatever it
// says, every action keeps a key the game knows.
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
    }
    return 0;
}
