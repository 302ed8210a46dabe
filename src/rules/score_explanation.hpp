// Why each QSO scored what it did: one line per QSO in words, and the totals that the lines add up
// to, by the same reading of the columns as the log's total.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "model/contest_types.hpp"
#include "model/country_lookup.hpp"
#include "rules/claimed_score.hpp"
#include "rules/log_total.hpp"
#include "text/text.hpp"

namespace loxar {

// What the explanation needs beside the lines.
struct ExplainRules {
    std::array<short, 6> rule_values{1, 1, 1, 1, 1, 1};  // the rule file's multipliers
    const CountryLookup* countries = nullptr;            // names the country behind the points
    const std::vector<Text>* oblast_entries = nullptr;
    ResultMultipliers sheet{"1", "1", "1"};  // the data sheet's multipliers of the CQWW-VHF claim
};

struct QsoExplanation {
    long long points = 0;  // what the line adds to the QSO points of the total
    Text text;             // "12. DL1ABC 145 MHz: 534 pont = ...; új négyzet: JO62"
};

// Every line in log order, in one pass.
std::vector<QsoExplanation> explain_log(const std::vector<Text>& lines, ContestType type,
                                        const ExplainRules& rules);

// One line: the same text as in the whole log's explanation, found by one look at the lines
// before it (the selection in the window asks for this on every move).
QsoExplanation explain_qso(const std::vector<Text>& lines, std::size_t index, ContestType type,
                           const ExplainRules& rules);

// The totals: the sum of the lines' points and how the multipliers make the claimed score of it.
// `total` is the log's total (`log_total`), so the last figure is the one the window shows.
std::vector<Text> explain_totals(const std::vector<Text>& lines, ContestType type,
                                 const std::vector<QsoExplanation>& explained, const LogTotal& total,
                                 const ExplainRules& rules);

}  // namespace loxar
