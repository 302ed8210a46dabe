// Band table contents.
#include "model/bands.hpp"

#include <utility>

namespace loxar {

const std::array<Text, kBandTableSize>& band_table() {
    static const std::array<Text, kBandTableSize> table = {
        "---       ---",
        "135 kHz   2190m",
        "1,8 MHz   160m",
        "3,5 MHz   80m",
        "5,5 MHz   60m",
        "7 MHz     40m",
        "10 MHz    30m",
        "14 MHz    20m",
        "18 MHz    16m",
        "21 MHz    15m",
        "24 MHz    12m",
        "28 MHz    10m",
        "50 MHz    6m",
        "70 MHz    4m",
        "145 MHz   2m",
        "220 MHz   1.25m",
        "435 MHz   70cm",
        "900 MHz   33cm",
        "1,3 GHz   23cm",
        "2,3 GHz   13cm",
        "3,4 GHz   10cm",
        "5,7 GHz   6cm",
        "10 GHz    3cm",
        "24 GHz    13mm",
        "47 GHz    5mm",
        "76 GHz    4mm",
        "122 GHz   2,4mm",
        "134 GHz   2mm",
        "248 GHz   1,3mm",
        "",
        "",
        "",
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

namespace {

struct BandRange {
    double low_khz, high_khz;  // both edges belong to the band (4.000 MHz is 80 m)
    int index;
};

// Each amateur band, widened on HF to the whole MHz an older lookup mapped by its integer part.
constexpr BandRange kBandRanges[] = {
    {135.7, 137.9, 1},
    {1000, 2000, 2},
    {3000, 4000, 3},
    {5250, 5450, 4},
    {7000, 8000, 5},
    {10100, 10150, 6},
    {14000, 15000, 7},
    {18068, 18168, 8},
    {21000, 22000, 9},
    {24890, 24990, 10},
    {28000, 29700, 11},
    {50000, 54000, 12},
    {70000, 71000, 13},
    {144000, 148000, 14},
    {220000, 225000, 15},
    {420000, 450000, 16},
    {902000, 928000, 17},
    {1240000, 1300000, 18},
    {2300000, 2450000, 19},
    {3300000, 3500000, 20},
    {5650000, 5925000, 21},
    {10000000, 10500000, 22},
    {24000000, 24250000, 23},
    {47000000, 47200000, 24},
    {75500000, 81000000, 25},
    {122250000, 123000000, 26},
    {134000000, 141000000, 27},
    {241000000, 250000000, 28},
};

// The band words of Cabrillo 3.0 for 50 MHz and up.
constexpr std::pair<std::string_view, int> kCabrilloBandWords[] = {
    {"50", 12},   {"70", 13},   {"144", 14},  {"222", 15},  {"432", 16},  {"902", 17},
    {"1.2G", 18}, {"2.3G", 19}, {"3.4G", 20}, {"5.7G", 21}, {"10G", 22},  {"24G", 23},
    {"47G", 24},  {"75G", 25},  {"122G", 26}, {"134G", 27}, {"241G", 28},
};

// ADIF's name of each band, by index: the table's wavelengths are not all ADIF's ("16m" is
// ADIF's "17m", "13mm" its "1.25cm").
constexpr std::array<std::string_view, kBandCount> kAdifBandNames = {
    "",    "2190m", "160m", "80m",    "60m", "40m",   "30m",   "20m",  "17m",  "15m",
    "12m", "10m",   "6m",   "4m",     "2m",  "1.25m", "70cm",  "33cm", "23cm", "13cm",
    "9cm", "6cm",   "3cm",  "1.25cm", "6mm", "4mm",   "2.5mm", "2mm",  "1mm",
};

}  // namespace

std::string_view adif_band_name(int index) {
    if (index < 0 || index >= kBandCount) return {};
    return kAdifBandNames[static_cast<std::size_t>(index)];
}

int band_index_for_adif(std::string_view band) {
    // Upper-cased once: the field is compared for every QSO of a file. Besides ADIF's names the
    // table's own wavelengths are known, which older exports wrote ("16m", "10cm").
    struct Names {
        Text adif, wavelength;
    };
    static const std::array<Names, kBandCount> kUpper = [] {
        std::array<Names, kBandCount> table;
        for (int i = 1; i < kBandCount; ++i) {
            table[static_cast<std::size_t>(i)] = {upper_hu(adif_band_name(i)), upper_hu(band_wavelength(i))};
        }
        return table;
    }();
    const Text b = upper_hu(trim(band));
    if (b.empty()) return 0;
    for (int i = 1; i < kBandCount; ++i) {
        if (b == kUpper[static_cast<std::size_t>(i)].adif) return i;
    }
    for (int i = 1; i < kBandCount; ++i) {
        if (b == kUpper[static_cast<std::size_t>(i)].wavelength) return i;
    }
    return 0;
}

int band_index_for_khz(double khz) {
    for (const BandRange& r : kBandRanges) {
        if (khz >= r.low_khz && khz <= r.high_khz) return r.index;
    }
    return 0;
}

double band_start_khz(int index) {
    // The HF ranges above reach down to the whole MHz; a radio goes to where the band begins.
    switch (index) {
        case 2: return 1810;
        case 3: return 3500;
        case 4: return 5351.5;
        case 16: return 430000;
        default: break;
    }
    for (const BandRange& r : kBandRanges) {
        if (r.index == index) return r.low_khz;
    }
    return 0;
}

int band_index_for_cabrillo(std::string_view word) {
    const Text w = upper_hu(trim(word));
    for (const auto& [name, index] : kCabrilloBandWords) {
        if (w == name) return index;
    }
    return is_numeric(w) ? band_index_for_khz(val(w)) : 0;
}

int find_band_exact(std::string_view field7) {
    for (int i = 0; i < kBandTableSize; ++i) {
        if (!band_table()[i].empty() && band_name(i) == field7) return i;
    }
    return -1;
}

}  // namespace loxar
