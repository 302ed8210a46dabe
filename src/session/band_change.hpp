// The band buttons of the log panel and the band change of the whole log (small tools).
#pragma once

#include <optional>
#include <vector>

#include "session/session.hpp"
#include "session/vegyes_panel.hpp"

namespace loxar {

// Band up and band down; per-band contest types swap the log list with the band's working file.
void freki_up_cmd_Click(Session& s);
void freki_down_cmd_Click(Session& s);
// The radio's band, taken as the band buttons would take it; a band the contest type keeps fixed
// (RH-OB), or "---", is not followed.
void follow_band(Session& s, int index);
// The working file of a band of a per-band contest type.
std::filesystem::path band_work_path(const Session& s);

// Every line with `band` (cut or padded to 7 characters) in the band field of `layout`; nothing
// when any line lacks the layout's separators, so that no line is changed unless all can be.
std::optional<std::vector<Text>> lines_with_band(const std::vector<Text>& lines, LineLayout layout,
                                                 const Text& band);

// "Sávváltás": after the question, a copy of the log goes to the multi-purpose panel (mode 4).
void savvaltas_cmd_Click(Session& s);
// "Váltás": the selected band is written into every line of the copy.
void savvaltas_valtas_Click(Session& s);
// "Kész": the copy replaces the log and the window's band follows.
void savvaltas_kesz_Click(Session& s);

}  // namespace loxar
