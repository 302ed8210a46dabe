// QSO entry: keys and events of the entry fields, leaving the callsign, adding a QSO.
#include "core/qso_entry.hpp"

#include "core/clock.hpp"
#include "core/file_io.hpp"
#include "core/qso_line.hpp"

namespace loxar {

namespace {

using T = ContestType;

bool one_of(T t, std::initializer_list<T> types) {
    for (T x : types) if (x == t) return true;
    return false;
}

// Error bits of the validation, in the order their texts are listed.
enum : unsigned short {
    kBadCall = 1, kBadLocator = 2, kBadRxReport = 4, kBadTxReport = 8, kBadRxSerial = 16,
    kBadTxSerial = 32, kBadMode = 64, kBadSex = 128, kBadName = 256, kBadDate = 512,
};

unsigned short validation_mask(QsoRecord& r, T type) {
    unsigned short mask = 0;
    const bool swl = type == T::Swl;
    if (trim(r.kapott_hivojel_text).empty()) mask |= kBadCall;
    if (one_of(type, {T::Iaru, T::CqBp, T::CqwwVhf})) {
        if (trim(r.kapott_QRA_text).empty()) r.kapott_QRA_text = kNoLocator;
        const std::size_t least = type == T::CqwwVhf ? 4 : 6;
        if (trim(r.kapott_QRA_text).size() < least) mask |= kBadLocator;
    }
    if (one_of(type, {T::Hadx, T::RhOb})) r.kapott_QRA_text = kNoLocator;
    const bool reports_checked =
        one_of(type, {T::Iaru, T::YlOm, T::CqBp, T::Exchange, T::Hadx, T::CqwwVhf, T::RhOb});
    if (reports_checked && !is_numeric(r.kapott_riport_text)) mask |= kBadRxReport;
    if (swl && trim(r.kapott_riport_text).empty()) mask |= kBadRxReport;
    if (reports_checked && !is_numeric(r.kuldott_riport_text)) mask |= kBadTxReport;
    const bool serials_checked = one_of(type, {T::Iaru, T::YlOm, T::CqBp});
    if (serials_checked && !is_numeric(r.kapott_sorszam_text)) mask |= kBadRxSerial;
    if ((type == T::RhOb || swl) && trim(r.kapott_sorszam_text).empty()) mask |= kBadRxSerial;
    if (serials_checked && !is_numeric(r.kuldott_sorszam_text)) mask |= kBadTxSerial;
    if (type == T::RhOb && trim(r.kuldott_sorszam_text).empty()) mask |= kBadTxSerial;
    if (r.mod_combo.list_index <= 0) mask |= kBadMode;
    if (type == T::YlOm && r.kapott_sex_combo.list_index <= 0) mask |= kBadSex;
    if (type == T::YlOm && trim(r.kapott_nev_text).empty()) mask |= kBadName;
    if (!is_date(col(r.log_ido, 1, 10))) mask |= kBadDate;
    return mask;
}

Text validation_message(unsigned short mask, T type) {
    const bool swl = type == T::Swl;
    const char8_t* texts[] = {
        swl ? u8"Hallott/Partner hívójel hiba" : u8"Kapott hívójel hiba",
        u8"Kapott QRA hiba",
        swl ? u8"Hallott riport hiba" : u8"Kapott riport hiba",
        u8"Küldött riport hiba",
        swl ? u8"Hallott exchange hiba" : u8"Kapott sorszám hiba",
        u8"Küldött sorszám hiba",
        u8"Üzemmód hiba",
        u8"Kapott sex hiba",
        u8"Kapott név hiba",
        u8"Dátum hiba",
    };
    Text message;
    for (int bit = 0; bit < 10; ++bit) {
        if (mask & (1u << bit)) message += hu(texts[bit]) + kCrLf;
    }
    return message;
}

}  // namespace

short QSO_adat_vizsgalat(Session& s) {
    const T type = s.contest();
    const unsigned short mask = validation_mask(s.qso, type);
    if (mask == 0) return 1;
    s.ui().beep();
    s.ui().message(validation_message(mask, type));
    return 0;
}

std::filesystem::path band_save_path(const Session& s) {
    return s.paths.system_dir / fs_path("tmp_log_" + col(s.qso.band_text, 1, 7) + ".save");
}

// Placeholders until the entry is built.
char entry_char(std::string_view, char c) { return c; }
std::optional<std::string_view> space_target(ContestType, std::string_view) { return {}; }
bool entry_key_press(Session&, std::string_view, char&) { return false; }
bool kapott_sex_combo_KeyPress(Session&, char) { return false; }
void entry_field_got_focus(Session&, std::string_view) {}
void entry_field_lost_focus(Session&, std::string_view) {}
void entry_field_changed(Session&, std::string_view) {}
void entry_label_cmd_Click(Session&, std::string_view) {}
void OM_cmd_Click(Session&) {}
void YL_cmd_Click(Session&) {}
void csere_cmd_Click(Session&) {}
void kapott_hivojel_text_LostFocus(Session&) {}
void hozzaadas_rutin(Session&) {}
void log_hozzaad_cmd_Click(Session&) {}
void torles_rutin(Session&) {}

}  // namespace loxar
