// Expanding keyer message templates: "<H>" becomes the worked callsign, and so on.
#pragma once

#include <utility>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// A token of exactly 3 characters and what it is replaced by.
using TemplateToken = std::pair<Text, Text>;
inline constexpr std::size_t kTokenLength = 3;

// Cut numbers for Morse: trimmed, every "9" sent as "N" and every "0" as "T" ("599" -> "5NN").
Text szam_rovidites(const Text& szoveg);

// Scans left to right; a token is replaced and skipped over, every other character is copied.
Text expand_tokens(const Text& text, const std::vector<TemplateToken>& tokens);

// The values the report tokens stand for.
struct ReportValues {
    Text worked_call;    // kapott_hivojel_text
    Text own_call;       // hivojel_text
    Text sent_report;    // kuldott_riport_text
    Text sent_serial;    // kuldott_sorszam_text
    Text own_locator;    // QRA_text
    Text own_qth;        // qth_text
    Text operator_name;  // kezelo_text
};
std::vector<TemplateToken> report_tokens(const ReportValues& v);

}  // namespace loxar
