// Rule files: their text and the multipliers.
#pragma once

#include <array>
#include <filesystem>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// Rule values in file order: SAV, DXCC, WWL, FM, SSB, CW.
enum RuleValue { kSav = 0, kDxcc, kWwl, kFm, kSsb, kCw };
inline constexpr int kRuleValueCount = 6;

// Outcome of reading a rule file's text: the values and the first problem found.
struct RuleRead {
    std::array<short, kRuleValueCount> values{1, 1, 1, 1, 1, 1};
    int bad_line = -1;        // first line (counted from 0) whose key does not match; -1 when none
    bool unreadable = false;  // fewer than eight lines or a value beyond 16 bits
};
RuleRead parse_rule_text(const Text& text);

// CQ-BP band multiplier of a band-table index; 0 for the bands it does not score.
short cqbp_band_multiplier(int band_index);
// Band multiplier × mode multiplier, refused beyond the 16-bit range.
std::optional<short> mode_multiplier_product(short band_multiplier, short mode_value);

// Index of the band-table entry whose first seven characters, trimmed, equal `band`; 0 for none.
short sav_sorszam_kereso(const Text& band);

}  // namespace loxar
