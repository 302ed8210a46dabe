// The report panel's state: the EDI QSO list (the CQ-WW-VHF list while that format is chosen),
// the YL-OM result list and its statistics line, the report text being read and edited, the
// findings of the report check, the results/report option and the ADIF header lines of the last YL-OM report.
#pragma once

#include <array>

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

struct ReportState {
    ListBox qso_lista;
    ListBox adif_qso_lista;
    Text adif_statisztika_label;
    Text edi_riport_text;
    ListBox riport_hibak_lista;  // the findings of the last "Ellenőrzés"
    short edi_valaszto = 0;      // 0 "Eredmények", 1 "Jegyzőkönyv"
    std::array<Text, 4> adif_header_lines;
};

}  // namespace loxar
