// What procedures do to the window besides values: which panel shows, and a control's look.
#pragma once

#include "text/text.hpp"

namespace loxar {

enum class Panel { Log, Adatlap, Jegyzokonyv, Aprosag, Help, Osszesito, Vegyes };

enum class Color { Default, Black, Red, Green, Yellow, Magenta, Grey, LightGrey };

// What procedures change about a control besides its value.
struct ControlView {
    bool visible = true;
    bool enabled = true;
    Text caption;  // empty: keep the window's own caption
    Color fore = Color::Default;
    Color back = Color::Default;
};

}  // namespace loxar
