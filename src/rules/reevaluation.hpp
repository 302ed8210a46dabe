// Re-evaluation: every QSO's points and marker worked out again in log order.
#pragma once

#include <optional>

#include "session/session.hpp"

namespace loxar {

// A general or SKM line with new received serial (columns 46-49, kept when none is given),
// marker (columns 75-79) and points (columns 81-85); every other column stays as it was, the
// separator at column 80 included. Nothing for a line too short to hold those columns.
std::optional<Text> rewrite_scored_line(const Text& line, const std::optional<Text>& serial,
                                        const Text& marker, const Text& points);

// False for the types whose re-evaluation only beeps (YL-OM, CQWW-VHF, DX).
bool reevaluates(ContestType type);

// Works out every line's points and marker again, in log order, as entering the QSOs in that
// order would, and recomputes the total. The worked marks and key lists are left as the last line
// left them, so the entry goes on from there. A general line without a distance ("--/--", as an
// import writes it) of a distance-scored type gets the distance of its locators.
void log_ujraertekeles(Session& s);

}  // namespace loxar
