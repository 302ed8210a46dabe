// The multi-purpose panel shown for one of its users.
#include "session/vegyes_panel.hpp"

#include <iterator>

namespace loxar {

void vegyes_panel_mutatas(Session& s, const Text& caption, std::initializer_list<std::u8string_view> buttons,
                          bool with_selector) {
    s.panel = Panel::Vegyes;
    s.view[Control::vegyes_keret].caption = caption;
    s.view[Control::vegyes_label].visible = with_selector;
    s.view[Control::vegyes_combo].visible = with_selector;
    static constexpr Control kButtons[] = {Control::vegyes_cmd_0, Control::vegyes_cmd_1,
                                           Control::vegyes_cmd_2, Control::vegyes_cmd_3,
                                           Control::vegyes_cmd_4};
    static_assert(std::size(kButtons) == static_cast<std::size_t>(kVegyesButtons));
    const auto* next = buttons.begin();
    for (Control c : kButtons) {
        ControlView& button = s.view[c];
        button.visible = next != buttons.end();
        if (next == buttons.end()) continue;
        button.enabled = true;
        button.caption = hu(*next++);
    }
}

}  // namespace loxar
