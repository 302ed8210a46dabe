// What a report is built from: the data sheet, the log, the report panel's lists and the few
// main-window fields that the report headers and QSO lines read.
#pragma once

#include <vector>

#include "reports/sheet_state.hpp"

namespace loxar {

struct ReportSource {
    const DataSheet& sheet;
    const std::vector<Text>& log_lines;  // log_lista, first line to last
    const std::vector<Text>& qso_lista;  // the EDI QSO list (EDIF) or the CQ-WW-VHF list
    Text own_call;                       // hivojel_text as typed
    Text own_locator;                    // QRA_text
    Text operator_name;                  // kezelo_text
    Combo own_sex;                       // sex_combo: ".....", "Nő", "Férfi"
    Text mode_text;                      // mod_combo's text (the REF contest line)
    Text total_score;                    // ossz_pontszam_text
};

}  // namespace loxar
