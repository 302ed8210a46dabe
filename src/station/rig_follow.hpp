// What the log takes from the radio: the band of its frequency, the frequency as the entry's
// frequency field holds it, and the log's mode for the radio's mode.
#pragma once

#include <optional>
#include <string_view>

#include "text/text.hpp"

namespace loxar {

// The band-table index of a frequency in Hz, by the band ranges the import uses; 0 ("---") for
// a frequency outside every band.
int rig_band(long long hz);

// The frequency field ("##.###", MHz with kHz) for a frequency that fits it: 14 025 600 Hz gives
// "14.025". A frequency of 100 MHz or more gives "00.000", so the log line carries the band, never
// a frequency the radio has left.
Text rig_frequency_field(long long hz);

// The log's mode item for Hamlib's mode name: CW and CWR are "CW", USB and LSB "SSB", FM and WFM
// "FM"; nothing for any other (the selector is left as the operator set it).
std::optional<Text> rig_log_mode(std::string_view hamlib_mode);

}  // namespace loxar
