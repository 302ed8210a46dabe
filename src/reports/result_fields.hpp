// The result fields of the EDI report: their tags, controls, tooltips and cleared values.
#pragma once

#include <array>

#include "reports/sheet_state.hpp"
#include "rules/claimed_score.hpp"

namespace loxar {

struct ResultField {
    int label_index;      // position of the tag label in the report panel's label array
    const char* tag;      // the EDI tag written before "="
    const char* control;  // tx_CQSOs ...
    const char* tooltip;
    const char* cleared;  // value after "Eredmény törlés"
    Text DataSheet::*member;
};

inline constexpr int kResultFieldCount = 20;

// In the order of the panel and of the saved results file: CQSOs, CQSOMul, CQSOP, CWWLs ...
// CODXDis, QSORecords.
const std::array<ResultField, kResultFieldCount>& result_fields();
// The tag of a label index (0 "CQSOs" .. 19 "CODXDis").
Text result_tag(int label_index);
// Every result field at its cleared value (the multipliers at 1).
void clear_results(DataSheet& sheet);
// The result fields' multipliers that the CQWW-VHF claimed total takes.
ResultMultipliers result_multipliers(const DataSheet& sheet);

}  // namespace loxar
