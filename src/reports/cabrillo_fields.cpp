// Mode, frequency and column fields of the Cabrillo QSO lines.
#include "reports/cabrillo_fields.hpp"

#include <array>

#include "model/bands.hpp"

namespace loxar {

namespace {

constexpr std::size_t kFrequencyWidth = 5;

struct Pair {
    std::string_view from, to;
};

// Bands the frequency field writes as a fixed figure.
constexpr std::array<Pair, 6> kFrequencies = {{
    {"1,8 MHz", " 1820"},
    {"3,5 MHz", " 3500"},
    {"7 MHz", " 7000"},
    {"14 MHz", "14200"},
    {"21 MHz", "21100"},
    {"28 MHz", "28100"},
}};

// Cabrillo band designators of the other bands of the band table.
constexpr std::array<Pair, 22> kDesignators = {{
    {"135 kHz", "136"},  {"5,5 MHz", "5357"}, {"10 MHz", "10100"}, {"18 MHz", "18068"}, {"24 MHz", "24890"},
    {"50 MHz", "50"},    {"70 MHz", "70"},    {"145 MHz", "144"},  {"220 MHz", "222"},  {"435 MHz", "432"},
    {"900 MHz", "902"},  {"1,3 GHz", "1.2G"}, {"2,3 GHz", "2.3G"}, {"3,4 GHz", "3.4G"}, {"5,7 GHz", "5.7G"},
    {"10 GHz", "10G"},   {"24 GHz", "24G"},   {"47 GHz", "47G"},   {"76 GHz", "75G"},   {"122 GHz", "122G"},
    {"134 GHz", "134G"}, {"248 GHz", "241G"},
}};

template <std::size_t N>
std::optional<Text> look_up(const std::array<Pair, N>& table, std::string_view key) {
    for (const Pair& p : table) {
        if (p.from == key) return Text(p.to);
    }
    return std::nullopt;
}

struct ModeEntry {
    std::string_view mode;
    std::array<std::string_view, 4> by_row;  // Common, CqwwVhf, Qrp, Nmark
};

constexpr std::array<ModeEntry, 6> kModes = {{
    {"CW", {"CW ", "CW ", "CW ", "CW "}},
    {"SSB", {"PH ", "PH ", "PH ", "PH "}},
    {"FM", {"", "PH ", "FM ", "PH "}},
    {"EL", {"", "", "PH ", "PH "}},
    {"RTT", {"", "RY ", "RY ", "-- "}},
    {"ATV", {"", "RY ", "RY ", "-- "}},
}};
// "STV" goes with RTT and ATV; the mode selector itself offers "SST", which falls to "other".
constexpr ModeEntry kStv = {"STV", {"", "RY ", "RY ", "-- "}};
constexpr std::array<std::string_view, 4> kOtherMode = {"", "", "RY ", "-- "};

}  // namespace

Text cabrillo_mode(ModeRow row, std::string_view log_mode) {
    const Text mode = trim(log_mode);
    const auto r = static_cast<std::size_t>(row);
    for (const ModeEntry& e : kModes) {
        if (e.mode == mode) return Text(e.by_row[r]);
    }
    if (kStv.mode == mode) return Text(kStv.by_row[r]);
    return Text(kOtherMode[r]);
}

Text band_designator(std::string_view band) {
    return look_up(kDesignators, trim(band)).value_or(Text{});
}

Text FrequencyField::next(std::string_view band_column) {
    const Text band = trim(band_column);
    std::optional<Text> field = look_up(kFrequencies, band);
    if (!field && numeric_band_ && is_numeric(band)) field = std::to_string(int_value(band));
    if (!field) field = previous_.value_or(band_designator(band));
    previous_ = pad_cut(*field, kFrequencyWidth);
    return *previous_;
}

Text number_text(std::string_view field) {
    return std::to_string(int_value(field));
}

Text column_field(std::string_view line, const Column& c) {
    const Text raw = col(line, c.from, c.len);
    Text value;
    switch (c.take) {
        case Take::AsIs: value = raw; break;
        case Take::Trimmed: value = trim(raw); break;
        case Take::Number: value = number_text(raw); break;
        case Take::Serial4: value = zero_pad(int_value(raw), 4); break;
        case Take::Digits3: value = zero_pad(static_cast<long long>(val(raw)), 3); break;
    }
    if (c.width > 0) value = pad_cut(value, c.width);
    return value + c.after;
}

Text column_fields(std::string_view line, std::span<const Column> columns) {
    Text out;
    for (const Column& c : columns) out += column_field(line, c);
    return out;
}

}  // namespace loxar
