// Keyer message templates filled in from the session: the current QSO and the own callsign.
#pragma once

#include "station/keyer_text.hpp"

namespace loxar {

struct Session;

// A message template with every report token of the session's current QSO filled in.
Text riport_ertelmezes(const Session& s, const Text& szoveg);
// A template with only the own callsign ("<M>") filled in.
Text betoltes_ertelmezes(const Session& s, const Text& szoveg);

}  // namespace loxar
