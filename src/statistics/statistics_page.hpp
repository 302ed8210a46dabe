// The statistics page: the log's lines and contest type turned into the text lines of the page.
#pragma once

#include <vector>

#include "model/contest_types.hpp"
#include "model/country_lookup.hpp"
#include "rules/claimed_score.hpp"
#include "text/text.hpp"

namespace loxar {

// What the page looks into besides the lines: the country lookup, the Russian oblast entries
// (exchange_lista) and the data sheet multipliers the CQWW-VHF claimed score takes.
struct StatisticsTables {
    const CountryLookup& countries;
    const std::vector<Text>& oblasts;
    ResultMultipliers multipliers;
};

// The page's lines; empty for a contest type without a page.
std::vector<Text> statistics_page(const std::vector<Text>& lines, ContestType type,
                                  const StatisticsTables& tables);

}  // namespace loxar
