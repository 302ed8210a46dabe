// Contest types: their rule files, databases and report formats; the rule text and the multipliers.
#pragma once

#include <array>
#include <filesystem>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

struct ContestSettings {
    const char* rule_file;      // in SZABALYOK
    const char* database_name;  // SYSTEM/<name>.qra; empty for none
    const char* report_format;  // item of formatum_combo preselected; empty for none
};

// Settings of a contest-type index; 0, 1 and anything outside 2..16 take the IARU settings.
const ContestSettings& contest_settings(int index);

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
