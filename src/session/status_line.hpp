// The window's status line: what the operator wants to see at a glance.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Home folder, contest type, band, QSO count and the time of the last save of the log.
Text status_line(const Session& s);

}  // namespace loxar
