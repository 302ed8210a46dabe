// The Cabrillo reports: the eleven variants of headers and QSO lines, the SOAPBOX lines and the
// CQ-WW-VHF QSO list.
#pragma once

#include "reports/report_source.hpp"

namespace loxar {

// Indexes of formatum_combo.
enum ReportFormat {
    kFormatEdif = 0,
    kFormatYlom,
    kFormatHaDx,
    kFormatCqwwVhf,
    kFormatHaQrp,
    kFormatRhOb,
    kFormatRdxcAll,
    kFormatRdxcTwo,
    kFormatHskc,
    kFormatSkmc,
    kFormatDx,
    kFormatExchange,
    kFormatNmark,
    kFormatRef,
    kFormatSwl,
    kFormatCount
};

// The remark cut into SOAPBOX pieces, trimmed, up to the first blank piece.
std::vector<Text> soapbox_pieces(const Text& remark);

// One line of the CQ-WW-VHF QSO list from a general-layout log line.
Text cqww_list_line(const Text& log_line, const Text& own_call, const Text& own_locator);

// The Cabrillo report of a format index 2..14, every line ended by CR LF. The CQ-WW-VHF
// variant reads src.qso_lista (its QSO list), the others the log lines.
Text cabrillo_report(int format, const ReportSource& src);

}  // namespace loxar
