// Points, multiplier markers and the claimed score.
#pragma once

#include "session/qso_rules.hpp"
#include "session/session.hpp"

namespace loxar {

// Worked-mark tables (key 0..1000, band 0..28); keys or bands outside them are never marked.
bool country_marked(const Session& s, int key, int band);
void mark_country(Session& s, int key, int band);
bool oblast_marked(const Session& s, int key, int band);
void mark_oblast(Session& s, int key, int band);
// The sorted key list sort_combo of HSKC and SILENT KEY MEM; a key is held once.
bool has_multiplier_key(const Session& s, const Text& key);
void add_multiplier_key(Session& s, const Text& key);
// Clears both mark tables (a new contest).
void szorzo_jelek_torlese(Session& s);

// The station the entry's country lookup found, from current_country_index, current_continent
// and current_country_name.
StationCountry current_station(const Session& s);

// Points and marker of the QSO being entered, when the callsign field is left (HADX, RUDX-ALL,
// RUDX-TWO, HSKC, SILENT KEY MEM, NMARK, REF; the others are left alone). Uses the country the
// entry's lookup left in current_country_*. RUDX looks up the oblast of a Russian station itself:
// it writes the oblast code into the received serial (when the table knows the oblast) and sets
// current_oblast_name and current_oblast_index, the key the QSO's oblast mark is set under when
// it is added. HSKC and SILENT KEY MEM leave their key in held_multiplier_key.
void multiplier_prefill(Session& s);
void NMARK_pont_szamolas(Session& s);
// Writes the points, the received zone (when the country has only one) and the information label;
// `result` gets the marker for the distance field.
void SKM_ertekeles(Session& s, Text& result);

// The total of the whole log, by contest type.
void ossz_pontszam_szamolas(Session& s);
void RHOB_label_toltes(Session& s);

// Claimed score for the EDI and the CQWW-VHF reports, and their steps.
// False when the duplicate check stopped it before any count.
bool edi_calculate_rutin(Session& s);
void CQWW_eredmeny_kiszamolas(Session& s);
void wwl_osszeszamlalas(Session& s);
void exchange_osszeszamlalas(Session& s);
void legjobb_dx_kivalasztas(Session& s);
void pontszam_osszeszamlalas(Session& s);

// The recount button.
void ujraszamolas_cmd_Click(Session& s);

}  // namespace loxar
