// CW and voice messages and automatic calling: the message lists, their files, the call timer,
// the function keys and the call button.
#pragma once

#include <string_view>

#include "session/session.hpp"

namespace loxar {

// One tick of the call timer (100 ms): the poll step, then one step of automatic calling.
void call_vekker_Timer(Session& s);
// Automatic calling ends where it stands (the port closed or went away).
void stop_calling(Session& s);

void hivas_cmd_Click(Session& s);
// F1-F12: message k of the current mode; true when the key is swallowed.
bool funkcio_billentyu(Session& s, int message_number);

void cw_combo_toltes(Session& s);
void voice_combo_toltes(Session& s);
void hivas_hozzaadas_rutin(Session& s, short lista);  // "Hozzáad": 0 voice, 1 CW
void hivas_lista_DblClick(Session& s, short lista);
void hivas_lista_torles(Session& s, short lista);         // Delete on a list
void hivas_mentes_rutin(Session& s, short sorszam);       // "Mentés" of a set
void hivas_beolvasas_cmd_Click(Session& s, short index);  // "Beolvasás" of a set
void hivas_test_cmd_Click(Session& s);
// True when a message of the mode is chosen; false after telling the operator.
[[nodiscard]] bool voice_combo_ellenorzes(Session& s);
[[nodiscard]] bool cw_combo_ellenorzes(Session& s);

// The player's periodic status report while a voice message plays.
void magno_StatusUpdate(Session& s);

void hivas_adat_beolvasas(Session& s);
// The calling messages and keyer settings written to SYSTEM; false when not written.
[[nodiscard]] bool hivas_adat_iras(Session& s);
// The same, telling the operator when they could not be written.
void hivas_adat_mentes(Session& s);
// The call settings file's bytes into the tables and keyer controls; a damaged file is reported
// and changes nothing. The lists are not refilled.
void apply_call_settings(Session& s, std::string_view bytes);

}  // namespace loxar
