// The ADIF export of the whole log: built into the multi-purpose panel's first list, saved
// from there into IMPORT_EXPORT; the same text for the command line.
#pragma once

#include <vector>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// The own station as the window's fields hold it.
struct ExportStation {
    Text call;     // hivojel_text
    Text name;     // kezelo_text
    Text qth;      // qth_text
    Text locator;  // QRA_text
};

// The lines of the ADIF text (header, EOH, then each QSO's record in the form of the contest
// type's layout), each without its line end.
std::vector<Text> adif_export_lines(const std::vector<Text>& log_lines, ContestType type,
                                    const ExportStation& own);
// Those lines, each followed by CR LF: what the panel's save writes.
Text adif_export_text(const std::vector<Text>& log_lines, ContestType type, const ExportStation& own);

}  // namespace loxar
