// The country table on the session: its loading, its country list, the worked flags, the EDI count.
#pragma once

#include "rules/country_table.hpp"
#include "session/session.hpp"

namespace loxar {

// The lookup through the session's table (no table: "000").
Text dxcc_kereses(const Session& s, const Text& callsign);

// Reads SYSTEM/dxcc_list.txt into a new table and points `s.countries` at it; refused lines are
// reported in one message.
void dxcc_tabla_betoltes(Session& s);
// Builds the country list of the session's table.
void dxcc_lista_toltes(Session& s);
// Rebuilds the per-country worked flags from the log list.
void dxcc_vektor_feltoltes(Session& s);
// The EDI country count: QSOs per country, the report window's country list, tx_CDXCs.
void dxcc_osszeszamlalas(Session& s);

}  // namespace loxar
