// Points, multiplier markers and the claimed score.
#pragma once

#include "core/session.hpp"

namespace loxar {

// Worked-mark tables (key 0..1000, band 0..28); keys or bands outside them are never marked.
bool country_marked(const Session& s, int key, int band);
void mark_country(Session& s, int key, int band);
bool oblast_marked(const Session& s, int key, int band);
void mark_oblast(Session& s, int key, int band);
// The sorted key list sort_combo of HSKC and SILENT KEY MEM.
bool has_multiplier_key(const Session& s, const Text& key);
void add_multiplier_key(Session& s, const Text& key);
// Clears both mark tables (a new contest).
void szorzo_jelek_torlese(Session& s);

// Points and marker of the QSO being entered, when the callsign field is left (HADX, RUDX-ALL,
// RUDX-TWO, HSKC, SILENT KEY MEM, NMARK, REF; the others are left alone). Uses the country the
// entry's lookup left in current_country_* .
void multiplier_prefill(Session& s);
// HSKC key of a home callsign.
Text hskc_key(const Text& home_callsign);
void NMARK_pont_szamolas(Session& s);
void SKM_ertekeles(Session& s, Text& result);

// The total of the whole log, by contest type.
void ossz_pontszam_szamolas(Session& s);
void RHOB_label_toltes(Session& s);
// Claimed score for the EDI and the CQWW-VHF reports.
void edi_calculate_rutin(Session& s);
void CQWW_eredmeny_kiszamolas(Session& s);
// The recount button.
void ujraszamolas_cmd_Click(Session& s);

}  // namespace loxar
