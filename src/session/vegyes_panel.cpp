// The multi-purpose panel shown for one of its users.
#include "session/vegyes_panel.hpp"

#include <string>

namespace loxar {

void vegyes_panel_mutatas(Session& s, const Text& caption, std::initializer_list<std::u8string_view> buttons,
                          bool with_selector) {
    s.panel = Panel::Vegyes;
    s.view["vegyes_keret"].caption = caption;
    s.view["vegyes_label"].visible = with_selector;
    s.view["vegyes_combo"].visible = with_selector;
    const auto* next = buttons.begin();
    for (int i = 0; i < kVegyesButtons; ++i) {
        ControlView& button = s.view["vegyes_cmd_" + std::to_string(i)];
        button.visible = next != buttons.end();
        if (next == buttons.end()) continue;
        button.enabled = true;
        button.caption = hu(*next++);
    }
}

}  // namespace loxar
