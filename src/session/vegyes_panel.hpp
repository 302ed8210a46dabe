// The multi-purpose panel (vegyes_keret) as each of its users shows it: band change, import,
// export and statistics.
#pragma once

#include <initializer_list>
#include <string_view>

#include "session/session.hpp"

namespace loxar {

// Action buttons of the multi-purpose panel, vegyes_cmd_0 to vegyes_cmd_4.
inline constexpr int kVegyesButtons = 5;

// Shows the panel with `caption`: the first buttons enabled with `buttons` as captions, the others
// hidden, and the label with its selector only `with_selector`.
void vegyes_panel_mutatas(Session& s, const Text& caption, std::initializer_list<std::u8string_view> buttons,
                          bool with_selector);

}  // namespace loxar
