// Re-evaluation: every QSO's points and marker worked out again in log order.
#pragma once

#include "core/session.hpp"

namespace loxar {

void log_ujraertekeles(Session& s);

}  // namespace loxar
