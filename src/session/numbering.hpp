// Log sequence numbers: worked out from the lines in the log, never stored elsewhere.
#pragma once

#include <string_view>

#include "model/log_numbers.hpp"
#include "session/session.hpp"

namespace loxar {

// Fills log_sorszam_text and the sent serial for the next QSO.
void kovetkezo_sorszam_rutin(Session& s);
// True, after a beep and "A LOG megtelt..." for the operator, when a log of `qsos` QSOs (or whose
// last QSO would get the number `qsos`) cannot be numbered in five digits.
bool log_overflows(Session& s, std::size_t qsos);
// Renumbers every line 1..N in list order.
void sorszamozas(Session& s);

}  // namespace loxar
