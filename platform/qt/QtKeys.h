// Qt keys to the virtual-key codes the game's key handlers use.
#pragma once

#include <Qt>

namespace platform {

// The virtual-key code of a Qt key (with the keypad modifier for keypad keys); 0 for keys the
// game has no code for.
int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace platform
