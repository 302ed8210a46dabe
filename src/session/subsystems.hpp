// Procedures of the other subsystems that start-up, the main buttons and the exit call.
// Each is defined in its own subsystem's files; this header only lets the core call them.
#pragma once

#include "session/session.hpp"
#include "rules/reevaluation.hpp"
#include "rules/scoring.hpp"

namespace loxar {

void dxcc_tabla_betoltes(Session& s);    // country table from SYSTEM
void dxcc_lista_toltes(Session& s);      // country list of the report panel
void dxcc_vektor_feltoltes(Session& s);  // worked-country flags rebuilt from the log
Text ru_exchange_toltes(Session& s);     // Russian oblast table; status text for a label
void qra_adatbazis_betoltes(Session& s, const std::filesystem::path& file);  // callsign database

void sajat_adat_beolvasas(Session& s);   // own station data
void sajat_adat_mentes(Session& s);
bool sajat_adat_iras(Session& s);        // the same without a message; false when not written
short sajat_adat_vizsgalat(Session& s);  // error bits, 0 when all is well
void adatlap_torlo_rutin(Session& s);    // clear the data sheet
void edi_erase_rutin(Session& s);        // clear the EDI results
void jegyzokonyv_formatum_valasztas(Session& s);  // report format for the contest type

void hivas_adat_beolvasas(Session& s);   // calling messages
void hivas_adat_mentes(Session& s);
bool funkcio_billentyu(Session& s, int message_number);  // F1..F12: start calling; true swallows
void adas_kapcsolo(Session& s);            // transmitter on or off
void analog_parancs_elkuldes(Session& s);  // keyer gains

void adif_export(Session& s);  // exchange/adif_export: the main "Export" button
void import_inditas(Session& s);

}  // namespace loxar
