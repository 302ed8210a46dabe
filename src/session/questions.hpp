// The yes/no question that the log procedures ask before changing or discarding work, and the
// warning they give when a file could not be written.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Asks `question` (free text) through the yes/no dialog; true only for "Igen".
bool ask(Session& s, const Text& question);
// Beeps and says that `path` could not be written ("Nem sikerült menteni: ...").
void report_not_saved(Session& s, const std::filesystem::path& path);

}  // namespace loxar
