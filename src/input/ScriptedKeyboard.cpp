#include "input/ScriptedKeyboard.h"

#include "input/KeyTable.h"

void ScriptedKeyboard::Press(int key) { Change(key, true); }

void ScriptedKeyboard::Release(int key) { Change(key, false); }

void ScriptedKeyboard::Hold(int key, bool held) {
    if (key <= Key::kNone || key >= kKeyCount) return;
    held_[KeyTable()[key].scanCode] = held ? 0x80 : 0;
}

void ScriptedKeyboard::Change(int key, bool pressed) {
    if (key <= Key::kNone || key >= kKeyCount) return;
    Hold(key, pressed);
    buffer_.Push({KeyTable()[key].scanCode, pressed});
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
