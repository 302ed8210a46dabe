// The QSO lines of the Cabrillo variants, each from the log-line layout its contest writes.
#pragma once

#include "reports/cabrillo_fields.hpp"

namespace loxar {

// General layout: HA-DX, EXCHANGE, RH-OB, RDXC and REF. `freq` carries the frequency field
// from line to line; the caller makes one per report.
Text common_qso_line(const Text& log_line, const Text& own_call, FrequencyField& freq);
// General layout, HSKC: always " 3500" and CW, serials with their category letter.
Text hskc_qso_line(const Text& log_line, const Text& own_call);
// SKM layout.
Text skmc_qso_line(const Text& log_line, const Text& own_call, FrequencyField& freq);
// NMARK layout: the band field holds the wavelength ("80m") or "EL".
Text nmark_qso_line(const Text& log_line, const Text& own_call);
// SWL layout: the two heard stations.
Text swl_qso_line(const Text& log_line, FrequencyField& freq);
// QRP layout: HA-QRP and DX.
Text qrp_qso_line(const Text& log_line, const Text& own_call, FrequencyField& freq);
// A line of the CQ-WW-VHF QSO list.
Text cqww_qso_line(const Text& list_line);

}  // namespace loxar
