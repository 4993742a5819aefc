#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "input/KeyEvent.h"

// What reading a keyboard's buffered events gave.
enum class KeyReadResult {
    Ok,
    Overflow,   // more events came than the buffer holds; the whole batch is dropped
    InputLost,  // the device lost the keyboard (focus went elsewhere) and must be acquired again
};

// The keyboard's event buffer between two polls: it holds 8 events, as the game has always
// been tuned against; a ninth spoils the batch, so that frame sees none of them.
class KeyEventBuffer {
public:
    static constexpr std::size_t kCapacity = 8;

    void Push(KeyEvent event);
    void MarkLost() { lost_ = true; }
    // Hands over what was collected since the last call and starts afresh.
    KeyReadResult Take(std::vector<KeyEvent>& out);

private:
    std::array<KeyEvent, kCapacity> events_{};
    std::size_t count_ = 0;
    bool overflow_ = false;
    bool lost_ = false;
};
