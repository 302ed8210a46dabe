// Contest types: their rule files, databases, report formats and entry-field layouts.
#pragma once

#include <array>
#include <filesystem>

#include "session/session.hpp"

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

// Puts every entry field back to its default layout and captions.
void beviteli_mezo_inic(Session& s);
// Runs whenever the contest type changes.
void szabaly_combo_Click(Session& s);
// Reads rule_file_name into rule_values.
void szabaly_beolvasas(Session& s);
// Band multiplier from the contest type and the current band.
void frekisav_szorzo_rutin(Session& s);
// Multiplier field and default reports after a change of mode or band.
void mod_szorzo_rutin(Session& s);
// Index of the band-table entry whose first seven characters, trimmed, equal `band`; 0 for none.
short sav_sorszam_kereso(const Text& band);
// The EXCHANGE contest computes no distance or points.
void special_szabaly_szamolas(Session& s);
// Heading of the YL-OM result list.
void yl_label_toltes(Session& s);

}  // namespace loxar
