// The check of a finished report before it is sent: EDI (REG1TEST), Cabrillo and ADIF, each
// recognised by its content. Organisers' robots reject or re-score a log with structural
// faults; the operator learns it here, line by line, instead of days later.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

enum class ReportKind { Unknown, Edi, Cabrillo, Adif };

// The format a text holds, by its content alone (never by a file name).
ReportKind detect_report(std::string_view text);

// One fault: the 1-based line it stands on (0 for the file as a whole) and what is wrong, in
// Hungarian (cp1250).
struct Finding {
    long line = 0;
    Text message;
};

// What only the program knows about a report it wrote from its own log: the claims as it
// computes them. Without it the check goes by what the file itself holds.
struct CheckContext {
    std::optional<long long> claimed_score;  // CLAIMED-SCORE, CToSc
    std::optional<long long> qso_points;     // CQSOP
};

// Every finding in line order; empty for a clean report. A text of no known format gives one
// finding.
std::vector<Finding> check_report(std::string_view text, const CheckContext& context = {});

// "12: hiányzik a mód": the line number, a colon and the message.
Text finding_text(const Finding& f);

// The checks of each format (reports/edi_check, cabrillo_check, adif_check).
std::vector<Finding> check_edi(std::string_view text, const CheckContext& context);
std::vector<Finding> check_cabrillo(std::string_view text, const CheckContext& context);
std::vector<Finding> check_adif(std::string_view text);

}  // namespace loxar
