#pragma once

#include <string>
#include <vector>

#include "input/InputListener.h"

// Writes down what the input system sent, one short word a call, in order.
class RecordingListener final : public InputListener {
public:
    bool IsConsoleOpen() const override { return consoleOpen; }
    void ToggleConsole() override {
        consoleOpen = !consoleOpen;
        calls.push_back("toggle");
    }
    void OnConsoleKey(int key) override { calls.push_back("console " + std::to_string(key)); }
    void OnCommand(Command command) override {
        calls.push_back("command " + std::to_string(static_cast<int>(command)));
    }
    void OnKeyDown(int key) override { calls.push_back("down " + std::to_string(key)); }
    void OnKeyUp(int key) override { calls.push_back("up " + std::to_string(key)); }

    bool consoleOpen = false;
    std::vector<std::string> calls;
};
