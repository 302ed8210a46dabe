// Keys the whole window sees before its fields do.
#pragma once

#include "session/session.hpp"

namespace loxar {

enum class WindowKey {
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
    T,
    PageUp,
    PageDown,
    Escape,
    Other
};

// Runs the window's own meaning of the key; true when the key must not reach the field.
bool Form_KeyDown(Session& s, WindowKey key);

}  // namespace loxar
