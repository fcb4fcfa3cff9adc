// Virtual-key codes: the numbers the game's key handlers compare against.  Letters and digits
// are their upper-case ASCII codes ('A' is 65, '0' is 48).
#pragma once

namespace platform {

enum VirtualKey : int {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,  // Alt
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,  // Page Up
    VK_NEXT = 34,   // Page Down
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_SNAPSHOT = 44,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_LWIN = 91,
    VK_APPS = 93,
    VK_NUMPAD0 = 96,  // the keypad digits run 96..105
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,  // F1..F24 run 112..135
    VK_F2 = 113,
    VK_F3 = 114,
    VK_F7 = 118,
    VK_F12 = 123,
    VK_F24 = 135,
    VK_NUMLOCK = 144,
    VK_SCROLL = 145,
    VK_OEM_1 = 186,       // ;:
    VK_OEM_PLUS = 187,    // =+
    VK_OEM_COMMA = 188,   // ,<
    VK_OEM_MINUS = 189,   // -_
    VK_OEM_PERIOD = 190,  // .>
    VK_OEM_2 = 191,       // /?
    VK_OEM_3 = 192,       // `~
    VK_OEM_4 = 219,       // [{
    VK_OEM_5 = 220,       // \|
    VK_OEM_6 = 221,       // ]}
    VK_OEM_7 = 222,       // '"
};

}  // namespace platform
