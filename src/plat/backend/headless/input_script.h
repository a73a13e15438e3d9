#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "gfx/geometry.h"
#include "plat/types.h"
#include "plat/window/raw_input.h"

namespace plat {

// Scripted user input. Steps are queued and taken one at a time whenever the message loop has
// nothing else to do, so a script keeps feeding nested modal loops (move, size, menus, dialogs).
class InputScript {
public:
    InputScript& move(int x, int y);
    InputScript& press(MouseButton b = MouseButton::Left);
    InputScript& release(MouseButton b = MouseButton::Left);
    InputScript& click(int x, int y, MouseButton b = MouseButton::Left);
    InputScript& doubleClick(int x, int y);
    InputScript& drag(int fromX, int fromY, int toX, int toY);  // press, move in steps, release
    InputScript& wheel(int delta);
    InputScript& keyDown(UINT vk);
    InputScript& keyUp(UINT vk);
    InputScript& key(UINT vk);                 // down and up
    InputScript& chord(UINT modifier, UINT vk);  // e.g. Alt+F4
    InputScript& type(std::string_view utf8);  // characters for the focus window
    InputScript& advance(std::uint64_t ms);    // time passes; timers fire on the way
    InputScript& call(std::function<void()> f);  // runs test code at this point of the script

    bool empty() const { return steps_.empty(); }
    std::size_t size() const { return steps_.size(); }
    void clear() { steps_.clear(); }

    struct Step {
        enum Kind { Move, Button, Wheel, Key, Char, Advance, Call } kind;
        gfx::Point point;
        MouseButton button = MouseButton::Left;
        bool down = false;
        int amount = 0;
        std::uint64_t ms = 0;
        std::function<void()> f;
    };
    std::deque<Step>& steps() { return steps_; }
    gfx::Point pointer() const { return pointer_; }

private:
    std::deque<Step> steps_;
    gfx::Point pointer_;  // where the script has moved the pointer so far
};

}  // namespace plat
