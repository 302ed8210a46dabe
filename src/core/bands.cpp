// Band table contents.
#include "core/bands.hpp"

namespace loxar {

const std::array<Text, kBandTableSize>& band_table() {
    static const std::array<Text, kBandTableSize> table = {
        "---       ---",   "135 kHz   2190m", "1,8 MHz   160m",  "3,5 MHz   80m",
        "5,5 MHz   60m",   "7 MHz     40m",   "10 MHz    30m",   "14 MHz    20m",
        "18 MHz    16m",   "21 MHz    15m",   "24 MHz    12m",   "28 MHz    10m",
        "50 MHz    6m",    "70 MHz    4m",    "145 MHz   2m",    "220 MHz   1.25m",
        "435 MHz   70cm",  "900 MHz   33cm",  "1,3 GHz   23cm",  "2,3 GHz   13cm",
        "3,4 GHz   10cm",  "5,7 GHz   6cm",   "10 GHz    3cm",   "24 GHz    13mm",
        "47 GHz    5mm",   "76 GHz    4mm",   "122 GHz   2,4mm", "134 GHz   2mm",
        "248 GHz   1,3mm", "",                "",                "",
    };
    return table;
}

Text band_name(int index) {
    if (index < 0 || index >= kBandTableSize) return pad_cut("", 7);
    return pad_cut(band_table()[index], 7);
}

Text band_wavelength(int index) {
    if (index < 0 || index >= kBandTableSize) return {};
    return col_from(band_table()[index], 11);
}

int find_band_exact(std::string_view field7) {
    for (int i = 0; i < kBandTableSize; ++i) {
        if (!band_table()[i].empty() && band_name(i) == field7) return i;
    }
    return -1;
}

}  // namespace loxar
