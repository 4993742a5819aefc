// Scripts are hand-written: any text must read without harm, and every event read must be
// one the script player can deliver.
#include <cstdint>
#include <string_view>

#include "input/InputScript.h"
#include "input/KeyTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const InputScript script =
        ParseInputScript(std::string_view(reinterpret_cast<const char*>(data), size));
    long frame = 0;
    for (const ScriptEvent& event : script.events) {
        if (event.frame < frame || event.key < 0 || event.key >= kKeyCount || event.button < 0 ||
            event.button > 2) {
            __builtin_trap();
        }
        frame = event.frame;
    }
    return 0;
}
