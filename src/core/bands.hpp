// The band table: 32 entries, columns 1-7 are the band as written into log lines.
#pragma once

#include <array>

#include "text/text.hpp"

namespace loxar {

inline constexpr int kBandCount = 29;       // indexes 0..28 hold bands
inline constexpr int kBandTableSize = 32;   // 29..31 stay empty
inline constexpr int kDefaultBandIndex = 14;  // "145 MHz   2m"

const std::array<Text, kBandTableSize>& band_table();
// First 7 characters of the entry: "145 MHz", "7 MHz  ".
Text band_name(int index);
// From column 11 on: "2m", "70cm".
Text band_wavelength(int index);
// Index of the entry whose first 7 characters equal `field7` exactly; nothing when none does.
int find_band_exact(std::string_view field7);

}  // namespace loxar
