// The own-data file of the session: read at start, written at exit, and the check before logging.
#include "session/own_data.hpp"

#include <system_error>

#include "model/file_io.hpp"
#include "rules/contest_rules.hpp"
#include "session/clock.hpp"
#include "session/contest_rules.hpp"
#include "session/questions.hpp"

namespace loxar {

namespace {

// The file holds 16 short lines; anything much larger is not an own-data file.
constexpr std::uintmax_t kMaxOwnDataBytes = 64 * 1024;

std::filesystem::path own_data_path(const Session& s) {
    return s.paths.system_dir / kOwnDataFile;
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
    for (std::size_t k = 0; k < d.gains.size(); ++k)
        d.gains[k] = s.keyer.settings.erosito_combo[k].list_index;
    return d;
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
            default:
                s.keyer.settings.erosito_combo[static_cast<std::size_t>(i - 11)].set(
                    d.gains[static_cast<std::size_t>(i - 11)]);
                break;
        }
    }
    // Choosing a contest type brings its rules, layout and database, as a click on the list does.
    if (s.szabaly_combo.list_index != contest_before) szabaly_combo_Click(s);
}

void sajat_adat_beolvasas(Session& s) {
    const auto path = own_data_path(s);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        // The first start: the log gets the machine's UTC when an item of the selector gives it.
        if (s.ports.clock) {
            if (const auto item = utc_offset_item(s.ports.clock->utc_offset_minutes()))
                s.ido_eltolas_combo.set(*item);
        }
        return;
    }
    const std::optional<Text> bytes = read_file(path, kMaxOwnDataBytes);
    const OwnDataRead r = bytes ? parse_own_data(*bytes, own_data_of(s)) : OwnDataRead{};
    apply_own_data(s, r.data, r.values_read);
    if (!r.ok) {
        alert(s, hu(u8"Hiba a saját adat beolvasásban!"));
    }
    s.ui().refresh(Aspect::EntryFields | Aspect::Selectors | Aspect::Calling | Aspect::View);
}

bool sajat_adat_iras(Session& s) {
    return write_file_atomic(own_data_path(s), own_data_text(own_data_of(s)));
}

void sajat_adat_mentes(Session& s) {
    if (!sajat_adat_iras(s)) report_not_saved(s, own_data_path(s));
}

short sajat_adat_vizsgalat(Session& s) {
    const short mask = own_data_errors(own_data_of(s));
    if (mask != 0) {
        alert(s, own_data_error_message(mask));
    }
    return mask;
}

}  // namespace loxar
