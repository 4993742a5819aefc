#include "input/KeyEventBuffer.h"

void KeyEventBuffer::Push(KeyEvent event) {
    if (count_ == kCapacity) {
        overflow_ = true;
        return;
    }
    events_[count_++] = event;
}

KeyReadResult KeyEventBuffer::Take(std::vector<KeyEvent>& out) {
    out.clear();
    KeyReadResult result = KeyReadResult::Ok;
    if (lost_) {
        result = KeyReadResult::InputLost;
    } else if (overflow_) {
        result = KeyReadResult::Overflow;
    } else {
        out.assign(events_.begin(), events_.begin() + static_cast<long>(count_));
    }
    count_ = 0;
    overflow_ = false;
    lost_ = false;
    return result;
}
