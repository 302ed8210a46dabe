// The "Összesítő" panel: an evaluated summary file's QSO lines, the search that marks lines, and
// the counterpart of a chosen QSO as the other station logged it.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

// The state of the panel, held by the session.
struct SummaryPanel {
    ListBox osszesito_lista;  // several lines may be selected
    Text kereses_text;
    Text qso1_test, qso2_test;
};

// More QSO lines than any evaluated contest has; the lines beyond are not read.
inline constexpr std::size_t kMaxSummaryLines = 500000;

enum class SummaryStatus {
    Ok,
    NotSummary,  // the first line is not "Összesítő:"
    NoEnd,       // the file ends before "End": the lines read so far are kept
    NotText,     // a NUL byte: a binary file
    TooLong,     // more than kMaxSummaryLines lines: the first ones are kept
};
struct SummaryRead {
    SummaryStatus status = SummaryStatus::Ok;
    std::vector<Text> lines;
};
SummaryRead parse_summary(std::string_view bytes);

// Marks every line that holds `needle` (both in upper case); other lines keep their selection.
void summary_search(ListBox& list, std::string_view needle);
// The last line whose first callsign, second callsign and key answer those of line `i`
// crosswise; nothing when the other station's QSO is not in the list.
std::optional<std::size_t> summary_counterpart(const std::vector<Text>& lines, std::size_t i);

}  // namespace loxar
