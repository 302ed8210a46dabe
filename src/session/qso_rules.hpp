// The markers and the SILENT KEY MEM evaluation that look at the session's worked marks.
#pragma once

#include "rules/qso_rules.hpp"
#include "session/session.hpp"

namespace loxar {

// "DX/--" or "--/--" by the country's mark on the band ("--/--" too without a mode or a country).
Text hadx_marker(const Session& s, const StationCountry& c, int band, bool mode_chosen);
// The RUDX marker: "DX" or "--" for the country, then "OB" or "--" for a Russian station's oblast.
Text rudx_marker(const Session& s, const StationCountry& c, int band, bool mode_chosen);

// SILENT KEY MEM evaluation of one QSO.
struct SkmEvaluation {
    Text result;    // "IT/SK" ... "--/--"
    Text points;    // "00001", "00003", "00005", one more with a new remembered callsign
    Text zone;      // the received zone field afterwards
    Text held_key;  // remembered-callsign key to add when the QSO is added; empty when none
    Text label;     // country, continent, zones and oblast
};
SkmEvaluation skm_evaluation(const Session& s, const StationCountry& c, const Text& zone_field,
                             const Text& remembered_callsign, int band);

}  // namespace loxar
