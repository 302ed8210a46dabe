// The yes/no question that the log procedures ask before changing or discarding work.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Asks `question` (free text) through the yes/no dialog; true only for "Igen".
bool ask(Session& s, const Text& question);

}  // namespace loxar
