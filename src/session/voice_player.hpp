// The voice messages' player: whether this machine can play them at all.
#pragma once

#include "session/session.hpp"

namespace loxar {

// True when the voice player works; otherwise the operator is told (beep and message) and the
// rest of the program goes on without voice messages.
bool hang_lejatszo_ellenorzes(Session& s);

}  // namespace loxar
