#include "input/ScriptedKeyboard.h"

#include "input/KeyTable.h"

void ScriptedKeyboard::Press(int key) { Change(key, true); }

void ScriptedKeyboard::Release(int key) { Change(key, false); }

void ScriptedKeyboard::Change(int key, bool pressed) {
    if (key <= Key::kNone || key >= kKeyCount) return;
    const std::uint8_t scanCode = KeyTable()[key].scanCode;
    held_[scanCode] = pressed ? 0x80 : 0;
    buffer_.Push({scanCode, pressed});
}

void ScriptedKeyboard::LoseInput(int times) {
    lostAnswers_ = times;
    buffer_.MarkLost();
}

AcquireResult ScriptedKeyboard::Acquire() {
    ++acquireCalls_;
    if (refuseAcquire) return AcquireResult::Failed;
    if (lostAnswers_ > 0) {
        --lostAnswers_;
        return AcquireResult::InputLost;
    }
    acquired_ = true;
    return AcquireResult::Ok;
}
