// The own-data file read at start and written at exit, and the own-data check.
#include "reports/own_data.hpp"

#include "model/bands.hpp"
#include "model/file_io.hpp"
#include "model/qso_record.hpp"
#include "station/station_control.hpp"

namespace loxar {

namespace {

Text header_line() {
    return hu(u8"Saját adatok, Ne nyúlj hozzá!!!!!!!!!!");
}

int list_size(const Combo& c) {
    return c.size();
}

// One value line into `d`; false when the line cannot stand for its field.
bool read_value(int index, const Text& line, OwnData& d) {
    switch (index) {
        case 0: d.callsign = line; return true;
        case 1: d.locator = line; return true;
        case 2: d.operator_name = line; return true;
        case 5: d.exchange = line; return true;
        case 7: d.qth = line; return true;
        default: break;
    }
    const std::optional<std::int16_t> number = to_short(line);
    if (!number) return false;
    const int n = *number;
    switch (index) {
        case 3:
            if (n < 0 || n >= static_cast<int>(sex_items().size())) return false;
            d.sex = n;
            return true;
        case 4:
            // The table's last entries are empty: a band there would write blank bands into the log.
            if (n < 0 || n >= kBandCount) return false;
            d.band = n;
            return true;
        case 6: d.real_time = n & 1; return true;
        // Every item of the selector comes back, "-4" too (a mask of 3 made it " 0", 4 hours off).
        case 8: d.time_offset = n >= 0 && n <= 4 ? n : n & 3; return true;
        case 9: d.contest_type = n & 15; return true;
        case 10:
            if ((n & 7) >= list_size(KeyerSettings{}.ROGER_combo)) return false;
            d.roger = n & 7;
            return true;
        case 11:
        case 12:
        case 13: d.gains[static_cast<std::size_t>(index - 11)] = n & 7; return true;
        default: return false;
    }
}

}  // namespace

Text own_data_text(const OwnData& d) {
    const Text lines[] = {
        header_line(),
        one_line(trim(d.callsign)),
        one_line(trim(d.locator)),
        one_line(trim(d.operator_name)),
        std::to_string(d.sex),
        std::to_string(d.band),
        one_line(trim(d.exchange)),
        std::to_string(d.real_time),
        one_line(trim(d.qth)),
        std::to_string(d.time_offset),
        std::to_string(d.contest_type),
        std::to_string(d.roger),
        std::to_string(d.gains[0]),
        std::to_string(d.gains[1]),
        std::to_string(d.gains[2]),
        "End",
    };
    Text out;
    for (const Text& line : lines) out += line + kCrLf;
    return out;
}

OwnDataRead parse_own_data(const Text& bytes, const OwnData& current) {
    OwnDataRead r;
    r.data = current;
    const std::vector<Text> lines = first_lines(input_to_cp1250(bytes), kOwnDataValueCount + 2);
    if (lines.empty() || lines[0] != header_line()) return r;
    for (int i = 0; i < kOwnDataValueCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i) + 1;
        if (at >= lines.size() || !read_value(i, lines[at], r.data)) return r;
        r.values_read = i + 1;
    }
    const std::size_t end = kOwnDataValueCount + 1;
    r.ok = end < lines.size() && lines[end] == "End";
    return r;
}

short own_data_errors(const OwnData& d) {
    short mask = 0;
    if (trim(d.callsign).empty()) mask |= kCallsignMissing;
    if (trim(d.locator).size() < 6) mask |= kLocatorShort;
    if (trim(d.operator_name).empty()) mask |= kOperatorMissing;
    // No selection at all is as missing as the dotted entry.
    if (d.sex <= 0) mask |= kSexMissing;
    if (d.band == 0) mask |= kBandMissing;
    return mask;
}

Text own_data_error_message(short mask) {
    const std::pair<short, std::u8string_view> lines[] = {
        {kCallsignMissing, u8"Hívójel hiba"},    {kLocatorShort, u8"QRA hiba"},
        {kOperatorMissing, u8"Kezelő név"},      {kSexMissing, u8"Sex hiba"},
        {kBandMissing, u8"Frekvencia sáv hiba"},
    };
    Text out;
    for (const auto& [bit, text] : lines) {
        if (mask & bit) out += hu(text) + kCrLf;
    }
    return out;
}

}  // namespace loxar
