// Rule files and the QSO multiplier.
#include "rules/contest_rules.hpp"

#include <initializer_list>

#include "model/bands.hpp"
#include "model/file_io.hpp"

namespace loxar {

namespace {

const char* const kRuleKeys[8] = {"#RULE", "SAV =", "DXCC=", "WWL =", "FM  =", "SSB =", "CW  =", "#END"};

}  // namespace

RuleRead parse_rule_text(const Text& text) {
    RuleRead r;
    const std::vector<Text> lines = first_lines(text, 8);
    for (int i = 0; i < 8 && r.bad_line < 0; ++i) {
        const Text line = i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)] : Text();
        if (col(line, 1, 5) != trim(kRuleKeys[i])) r.bad_line = i;
    }
    if (lines.size() < 8) {
        r.unreadable = true;
        return r;
    }
    for (int k = 0; k < kRuleValueCount; ++k) {
        auto v = to_short(val(col_from(lines[static_cast<std::size_t>(k + 1)], 6)));
        if (!v) {
            r.unreadable = true;
            return r;
        }
        r.values[static_cast<std::size_t>(k)] = *v;
    }
    return r;
}

short cqbp_band_multiplier(int band_index) {
    const Text band = upper_hu(trim(band_name(band_index)));
    if (band == "435 MHZ") return 2;
    // The 23 cm band scores 3, the same value the re-evaluation of a loaded log uses.
    if (band == "1,3 GHZ") return 3;
    for (const char* b : {"2,3 GHZ", "3,4 GHZ", "5,7 GHZ", "10 GHZ", "24 GHZ"}) {
        if (band == b) return 4;
    }
    return 1;
}

std::optional<short> mode_multiplier_product(short band_multiplier, short mode_value) {
    const long product = static_cast<long>(band_multiplier) * mode_value;
    if (product > 32767 || product < -32768) return std::nullopt;
    return static_cast<short>(product);
}

short sav_sorszam_kereso(const Text& band) {
    const Text wanted = trim(band);
    for (int i = 0; i < kBandTableSize; ++i) {
        const Text& entry = band_table()[static_cast<std::size_t>(i)];
        if (!entry.empty() && trim(col(entry, 1, 7)) == wanted) return static_cast<short>(i);
    }
    return 0;
}

}  // namespace loxar
