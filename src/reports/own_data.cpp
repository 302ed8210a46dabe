// The own-data file read at start and written at exit, and the own-data check.
#include "reports/own_data.hpp"

#include <system_error>

#include "session/clock.hpp"
#include "model/file_io.hpp"
#include "session/subsystems.hpp"
#include "session/contest_rules.hpp"

namespace loxar {

namespace {

// The file holds 16 short lines; anything much larger is not an own-data file.
constexpr std::uintmax_t kMaxOwnDataBytes = 64 * 1024;

Text header_line() { return hu(u8"Saját adatok, Ne nyúlj hozzá!!!!!!!!!!"); }

std::filesystem::path own_data_path(const Session& s) { return s.paths.system_dir / kOwnDataFile; }

int list_size(const Combo& c) { return c.size(); }

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

OwnData own_data_of(const Session& s) {
    OwnData d;
    d.callsign = s.station.hivojel_text;
    d.locator = s.station.QRA_text;
    d.operator_name = s.qso.kezelo_text;
    d.sex = s.qso.sex_combo.list_index;
    d.band = s.current_band_index;
    d.exchange = s.station.exch_text;
    d.real_time = s.real_time_check ? 1 : 0;
    d.qth = s.qso.qth_text;
    d.time_offset = s.ido_eltolas_combo.list_index;
    d.contest_type = s.szabaly_combo.list_index;
    d.roger = s.keyer.settings.ROGER_combo.list_index;
    for (std::size_t k = 0; k < d.gains.size(); ++k) d.gains[k] = s.keyer.settings.erosito_combo[k].list_index;
    return d;
}

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

void apply_own_data(Session& s, const OwnData& d, int count) {
    const int contest_before = s.szabaly_combo.list_index;
    for (int i = 0; i < count && i < kOwnDataValueCount; ++i) {
        switch (i) {
            case 0: s.station.hivojel_text = d.callsign; break;
            case 1: s.station.QRA_text = d.locator; break;
            case 2: s.qso.kezelo_text = d.operator_name; break;
            case 3: s.qso.sex_combo.set(d.sex); break;
            case 4:
                s.current_band_index = static_cast<short>(d.band);
                s.qso.band_text = band_name(d.band);
                break;
            case 5: s.station.exch_text = d.exchange; break;
            case 6: s.real_time_check = (d.real_time & 1) != 0; break;
            case 7: s.qso.qth_text = d.qth; break;
            case 8: s.ido_eltolas_combo.set(d.time_offset); break;
            case 9: s.szabaly_combo.set(d.contest_type); break;
            case 10: s.keyer.settings.ROGER_combo.set(d.roger); break;
            default: s.keyer.settings.erosito_combo[static_cast<std::size_t>(i - 11)].set(d.gains[static_cast<std::size_t>(i - 11)]); break;
        }
    }
    // Choosing a contest type brings its rules, layout and database, as a click on the list does.
    if (s.szabaly_combo.list_index != contest_before) szabaly_combo_Click(s);
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
        {kCallsignMissing, u8"Hívójel hiba"}, {kLocatorShort, u8"QRA hiba"},
        {kOperatorMissing, u8"Kezelő név"},   {kSexMissing, u8"Sex hiba"},
        {kBandMissing, u8"Frekvencia sáv hiba"},
    };
    Text out;
    for (const auto& [bit, text] : lines) {
        if (mask & bit) out += hu(text) + kCrLf;
    }
    return out;
}

void sajat_adat_beolvasas(Session& s) {
    const auto path = own_data_path(s);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        // The first start: the log gets the machine's UTC when an item of the selector gives it.
        if (s.ports.clock) {
            if (const auto item = utc_offset_item(s.ports.clock->utc_offset_minutes())) s.ido_eltolas_combo.set(*item);
        }
        return;
    }
    const std::optional<Text> bytes = read_file(path, kMaxOwnDataBytes);
    const OwnDataRead r = bytes ? parse_own_data(*bytes, own_data_of(s)) : OwnDataRead{};
    apply_own_data(s, r.data, r.values_read);
    if (!r.ok) {
        s.ui().beep();
        s.ui().message(hu(u8"Hiba a saját adat beolvasásban!"));
    }
    s.ui().refresh(Aspect::All);
}

bool sajat_adat_iras(Session& s) { return write_file_atomic(own_data_path(s), own_data_text(own_data_of(s))); }

void sajat_adat_mentes(Session& s) {
    if (!sajat_adat_iras(s)) {
        s.ui().beep();
        s.ui().message(hu(u8"Nem sikerült menteni: ") + text_path(own_data_path(s)));
    }
}

short sajat_adat_vizsgalat(Session& s) {
    const short mask = own_data_errors(own_data_of(s));
    if (mask != 0) {
        s.ui().beep();
        s.ui().message(own_data_error_message(mask));
    }
    return mask;
}

}  // namespace loxar
