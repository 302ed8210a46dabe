// Re-evaluation: the scored columns of a line rewritten, and the contest types it applies to.
#pragma once

#include <cstddef>
#include <optional>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// Lines shorter than these lack the scored columns (85 of the general and SKM layouts, 106 of the
// QRP and NMARK layouts).
inline constexpr std::size_t kScoredLength = 85;
inline constexpr std::size_t kQrpScoredLength = 106;

// A general or SKM line with new received serial (columns 46-49, kept when none is given),
// marker (columns 75-79) and points (columns 81-85); every other column stays as it was, the
// separator at column 80 included. Nothing for a line too short to hold those columns.
std::optional<Text> rewrite_scored_line(const Text& line, const std::optional<Text>& serial,
                                        const Text& marker, const Text& points);

// False for the types whose re-evaluation only beeps (YL-OM, CQWW-VHF, DX).
bool reevaluates(ContestType type);

}  // namespace loxar
