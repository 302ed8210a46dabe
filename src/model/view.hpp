// What procedures do to the window besides values: which panel shows, and a control's look.
#pragma once

#include <array>
#include <bitset>

#include "model/controls.hpp"
#include "text/text.hpp"

namespace loxar {

enum class Panel { Log, Adatlap, Jegyzokonyv, Aprosag, Help, Osszesito, Vegyes };

// Which task owns the multi-purpose panel and its five buttons (`panel_mode`).
enum class PanelTask { None = 0, Statistics = 1, Import = 3, BandChange = 4, Export = 5 };

enum class Color { Default, Black, Red, Green, Yellow, Magenta, Grey, LightGrey };

// What procedures change about a control besides its value.
struct ControlView {
    bool visible = true;
    bool enabled = true;
    Text caption;  // empty: keep the window's own caption
    Color fore = Color::Default;
    Color back = Color::Default;
};

// The look procedures gave the controls. A control no procedure has touched is left as the
// window built it, so only touched ones are visited.
class ControlViews {
public:
    ControlView& operator[](Control c) {
        touched_.set(index_of(c));
        return views_[index_of(c)];
    }
    bool contains(Control c) const { return touched_.test(index_of(c)); }
    template <class F>
    void for_each(F&& f) const {
        for (std::size_t i = 0; i < kControlCount; ++i) {
            if (touched_.test(i)) f(static_cast<Control>(i), views_[i]);
        }
    }

private:
    std::array<ControlView, kControlCount> views_{};
    std::bitset<kControlCount> touched_;
};

}  // namespace loxar
