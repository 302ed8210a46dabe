// Saving a panel's list as a text file the operator names: the save buttons of the export and
// statistics pages.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "session/session.hpp"

namespace loxar {

// Each line followed by CR LF.
Text crlf_text(const std::vector<Text>& lines);

// "Nincs mit menteni!" for no lines; otherwise the file chooser (mode 2) in `dir` with
// `extension`, and the chosen file replaced whole by `crlf_text(lines)`. A failed write says
// "Nem sikerült menteni: …"; a successful one "Elmentve!" when `confirm`. True when written.
bool lista_mentes(Session& s, const std::vector<Text>& lines, const std::filesystem::path& dir,
                  std::string_view extension, bool confirm);

}  // namespace loxar
