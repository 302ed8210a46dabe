// The report panel: result calculation, the result views, building, saving and clearing reports.
#pragma once

#include <filesystem>
#include <optional>

#include "reports/report_check.hpp"
#include "session/session.hpp"

namespace loxar {

// The result lists of the panel, refilled from the log.
void QSO_lista_toltes(Session& s);       // EDI QSO list with the flags of the last calculation
void CQWW_qso_lista_toltes(Session& s);  // CQ-WW-VHF QSO list
void yl_qso_lista_toltes(Session& s);    // YL-OM result list
void yl_statisztika_label_toltes(Session& s);
void adif_erase_rutin(Session& s);  // YL-OM results emptied

// Runs the result calculation that a format uses; false when there is none or it stopped.
bool run_result_calculation(Session& s, int format);
// The report of a format as the panel builds it; nothing when it stopped with a message.
std::optional<Text> build_report(Session& s, int format);

// Buttons, selectors and frames of the panel.
void eredmeny_cmd_Click(Session& s);           // "Eredm. kiszámolás"
void jegyzokonyv_cmd_Click(Session& s);        // "Jegyzőkönyv készités"
void edi_save_riport_cmd_Click(Session& s);    // "Jegyzőkönyv mentés"
void riport_ellenorzes_cmd_Click(Session& s);  // "Ellenőrzés": the findings into riport_hibak_lista
void save_riport(Session& s);
void edi_save_cmd_Click(Session& s);   // "Eredmény mentés"
void edi_load_cmd_Click(Session& s);   // "Eredmény beolvasás"
void edi_erase_cmd_Click(Session& s);  // "Eredmény törlés"
void formatum_combo_Click(Session& s);
void edi_keret_eltuntetes(Session& s);
void edi_valaszto_Click(Session& s, short option);

// The claims a report of this kind, built from the session's log, should make: the log's total
// (CLAIMED-SCORE, CQSOP) and the claimed total of the EDI and CQ-WW-VHF reports (CToSc).
CheckContext report_check_context(const Session& s, ReportKind kind);

// The saved results file: "EDI data:", the result fields and the remark, "End".
Text edi_results_file_text(const DataSheet& d);
// Puts a results file back into the sheet; false when it is not one.
bool apply_edi_results_file(DataSheet& d, const Text& bytes);

void edi_erase_rutin(Session& s);                 // clear the EDI results
void jegyzokonyv_formatum_valasztas(Session& s);  // report format for the contest type

}  // namespace loxar
