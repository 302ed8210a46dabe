// The yes/no question that the procedures ask before changing or discarding work, and the
// beep-and-message with which they refuse a step or report a file not written.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Asks `question` (free text) through the yes/no dialog; true only for "Igen".
bool ask(Session& s, const Text& question);
// Beeps and shows `text` in the message box.
void alert(Session& s, const Text& text);
// Beeps and says that a file could not be written ("Nem sikerült menteni: <name>"); `name` as the
// chooser gave it, or the path.
void report_not_saved(Session& s, const Text& name);
void report_not_saved(Session& s, const std::filesystem::path& path);

}  // namespace loxar
