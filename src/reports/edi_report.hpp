// The EDI (REG1TEST) report: the 80-character lines of the EDI QSO list and the report text.
#pragma once

#include "reports/report_source.hpp"

namespace loxar {

// The per-QSO flags a list line shows.
struct EdiFlags {
    bool new_exchange = false;
    bool new_square = false;
    bool new_country = false;
    bool duplicate = false;
};

// One line of the EDI QSO list from a general-layout log line.
Text edi_list_line(const Text& log_line, const EdiFlags& flags);

// The whole report, every line ended by CR LF; the QSO records come from src.qso_lista.
Text edi_report(const ReportSource& src);

}  // namespace loxar
