// The band table: 32 entries, columns 1-7 are the band as written into log lines.
#pragma once

#include <array>

#include "text/text.hpp"

namespace loxar {

inline constexpr int kBandCount = 29;         // indexes 0..28 hold bands
inline constexpr int kBandTableSize = 32;     // 29..31 stay empty
inline constexpr int kDefaultBandIndex = 14;  // "145 MHz   2m"

const std::array<Text, kBandTableSize>& band_table();
// First 7 characters of the entry: "145 MHz", "7 MHz  ".
Text band_name(int index);
// From column 11 on: "2m", "70cm".
Text band_wavelength(int index);
// Index of the entry whose first 7 characters equal `field7` exactly; nothing when none does.
int find_band_exact(std::string_view field7);

// Band index of a frequency in kHz: the band whose range holds it, or 0 ("---") for none. Every
// whole MHz that once named a band (1, 3, 7, 14, 21, 28, 50, 70, 145, 220, 435) still does.
int band_index_for_khz(double khz);
// Where a radio is tuned for a band it has no frequency of yet: the band's lowest frequency in
// kHz (the amateur band, not the wider range a frequency is looked up in); 0 for "---".
double band_start_khz(int index);
// Band index of a Cabrillo frequency word: a VHF band word ("144", "432", "1.2G", "10G" ...) or a
// frequency in kHz ("14025"); 0 ("---") for anything else.
int band_index_for_cabrillo(std::string_view word);
// The ADIF BAND value of a band ("18 MHz" -> "17m", "3,4 GHz" -> "9cm"); empty for "---" and for
// an index without a band.
std::string_view adif_band_name(int index);
// Band index of an ADIF BAND value ("20m", "70CM", "23cm"); 0 ("---") for one not in the table.
int band_index_for_adif(std::string_view band);

}  // namespace loxar
