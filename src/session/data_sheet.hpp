// The station data sheet in the session: loading a ".hdr" file into it and the sheet panel's buttons.
#pragma once

#include "reports/data_sheet.hpp"
#include "session/session.hpp"

namespace loxar {

// Puts the text of a ".hdr" file into the sheet and, when the log's dates call for it, runs the
// refresh from the log; false when the text is not a sheet file.
bool adatlap_file_betoltes(Session& s, const Text& bytes);

// The buttons of the sheet panel.
void data_save_cmd_Click(Session& s);          // "Adatlap_mentés"
void data_load_cmd_Click(Session& s);          // "Adatlap beolvasás"
void data_erase_cmd_Click(Session& s);         // "Törlés"
void megjegyzes_torles_cmd_Click(Session& s);  // "Radir"

void adatlap_torlo_rutin(Session& s);  // clear the data sheet

}  // namespace loxar
