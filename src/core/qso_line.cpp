// Log-line builders: every field is prepared, then cut and blank-padded to its column width.
#include "core/qso_line.hpp"

#include <initializer_list>
#include <string_view>

#include "core/session.hpp"

namespace loxar {

namespace {

// One column group of a layout: the value (cut and padded to `width`) and the separator after it.
struct Column {
    Text value;
    std::size_t width;
    std::string_view after;
};

Text join_columns(std::initializer_list<Column> columns) {
    Text line;
    for (const Column& c : columns) {
        // A CR, LF or NUL from anywhere (a loaded file, a pasted text) must not split the line.
        line += pad_cut(one_line(c.value), c.width);
        line += c.after;
    }
    return line;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digit_prefix_length(std::string_view s) {
    std::size_t n = 0;
    while (n < s.size() && is_digit(s[n])) ++n;
    return n;
}

// A run of digits as a number with leading zeros to `digits`. Done on the text so that a value
// too large for any integer type is still written (and then cut by its column) instead of failing.
Text pad_digit_run(std::string_view run, std::size_t digits) {
    std::size_t first = run.find_first_not_of('0');
    Text t = first == std::string_view::npos ? Text() : Text(run.substr(first));
    if (t.size() < digits) t.insert(0, digits - t.size(), '0');
    return t;
}

Text number_or_zero(const Text& entry, std::size_t digits) {
    return zero_padded_number(entry, digits).value_or(Text(digits, '0'));
}

Text first_char(const Text& s) {
    return col(s, 1, 1);
}

Text mode_text(const QsoRecord& r) {
    return col(r.mod_combo.text(), 1, 3);
}

Text band7(const QsoRecord& r) {
    return pad_cut(col(r.band_text, 1, 7), 7);
}

Text sequence_number(const QsoRecord& r, short funkcio) {
    return funkcio == kFunkcioRewrite ? r.edit_sorszam_text : r.log_sorszam_text;
}

// The frequency in kHz ("14.025" -> "14025") when one is set, the band otherwise.
Text band_or_frequency(const QsoRecord& r) {
    Text khz = r.frekvencia_text;
    if (khz.size() >= 3) khz.erase(2, 1);
    if (is_numeric(khz) && val(khz) != 0) return khz;
    return band7(r);
}

// The category character after the digits of an HSKC serial; '-' when there is none.
char hskc_category(const Text& entry) {
    Text t = trim(entry);
    std::size_t n = digit_prefix_length(t);
    return n < t.size() ? t[n] : '-';
}

Text hskc_points(char category) {
    if (category == 'A') return "00003";
    if (category == 'B') return "00001";
    return "00000";
}

}  // namespace

std::optional<Text> zero_padded_number(const Text& entry, std::size_t digits) {
    Text t = trim(entry);
    if (!is_numeric(t)) return std::nullopt;
    if (digit_prefix_length(t) == t.size()) return pad_digit_run(t, digits);
    return zero_pad(int_value(t), digits);
}

Text encode_report(const Text& entry) {
    return zero_padded_number(entry, 3).value_or(trim(entry));
}

Text encode_hskc_serial(const Text& entry) {
    Text t = trim(entry);
    return pad_digit_run(std::string_view(t).substr(0, digit_prefix_length(t)), 3) +
           hskc_category(t);
}

Text log_sor_osszeallitas(QsoRecord& r, ContestType type, short& funkcio) {
    const EntryWidths& w = kGeneralWidths;
    const bool hskc = type == ContestType::Hskc;
    auto serial = [hskc](const Text& entry) {
        return hskc ? encode_hskc_serial(entry)
                    : zero_padded_number(entry, 4).value_or(trim(entry));
    };
    Text received_serial = serial(r.kapott_sorszam_text);
    if (hskc) r.pontszam_text = hskc_points(hskc_category(r.kapott_sorszam_text));

    Text locator = trim(r.kapott_QRA_text);
    if (locator.empty()) {
        locator = kNoLocator;
        r.kapott_QRA_text = kNoLocator;
    }
    // Marker contests keep their 5-character evaluation text (e.g. "DX/OB") in the distance field.
    Text distance =
        distance_is_numeric(type) ? number_or_zero(r.tavolsag_text, 5) : r.tavolsag_text;

    return join_columns({
        {r.log_ido, 19, "="},
        {trim(r.kapott_hivojel_text), w.call, "="},
        {encode_report(r.kapott_riport_text), w.report, "/"},
        {received_serial, w.serial, "/"},
        {locator, w.locator, "/"},
        {first_char(r.kapott_sex_combo.text()), 1, "="},
        {encode_report(r.kuldott_riport_text), w.sent_report, "/"},
        {serial(r.kuldott_sorszam_text), w.sent_serial, "="},
        {mode_text(r), 3, "="},
        {first_char(r.sex_combo.text()), 1, "="},
        {distance, 5, "/"},
        {number_or_zero(r.pontszam_text, 5), 5, "="},
        {sequence_number(r, funkcio), 5, "="},
        {trim(r.kapott_nev_text), w.name, "="},
        {band_or_frequency(r), 7, "="},
    });
}

Text QRP_sor_osszeallitas(QsoRecord& r, short& funkcio, char new_country_marker) {
    Text name = trim(r.kapott_nev_text);
    Text qth = trim(r.kapott_sorszam_text);
    Text points = !name.empty() && !qth.empty() ? "2" : "1";
    const EntryWidths& w = kQrpWidths;
    return join_columns({
               {r.log_ido, 19, "="},
               {trim(r.kapott_hivojel_text), w.call, "="},
               {encode_report(r.kapott_riport_text), w.report, "/"},
               {name, w.name, "/"},
               {qth, w.serial, "="},
               {encode_report(r.kuldott_riport_text), w.sent_report, "="},
               {mode_text(r), 3, "="},
               {sequence_number(r, funkcio), 5, "="},
               {trim(r.kezelo_text), w.own_name, "="},
               {points, 1, "="},
               {Text(1, new_country_marker), 1, "="},
               {band7(r), 7, "="},
           }) +
           one_line(r.qth_text);
}

Text SKM_sor_osszeallitas(QsoRecord& r, short& funkcio, const Text& restored_itu_zone) {
    auto callsign_or_serial = [](const Text& entry) {
        return zero_padded_number(entry, 3).value_or(trim(entry));
    };
    Text zone = funkcio == kFunkcioRewrite && trim(r.kapott_QRA_text) == kNoLocator
                    ? restored_itu_zone
                    : col(r.kapott_QRA_text, 1, 2);
    const EntryWidths& w = kSkmWidths;
    return join_columns({
        {r.log_ido, 19, "="},
        {trim(r.kapott_hivojel_text), w.call, "="},
        {encode_report(r.kapott_riport_text), w.report, "/"},
        {callsign_or_serial(r.kapott_sorszam_text), w.serial, "="},
        {encode_report(r.kuldott_riport_text), w.sent_report, "="},
        {callsign_or_serial(r.kuldott_sorszam_text), w.sent_serial, "="},
        {mode_text(r), 3, "="},
        {r.tavolsag_text, 5, "="},
        {r.pontszam_text, 5, "="},
        {sequence_number(r, funkcio), 5, "="},
        {trim(r.kezelo_text), w.own_name, "="},
        {band7(r), 7, "="},
        {zone, w.locator, "="},
    });
}

Text NMARK_sor_osszeallitas(QsoRecord& r, short& funkcio) {
    // Only the leading digits of the received report count here: "5NN" is written "005".
    Text report = trim(r.kapott_riport_text);
    report = pad_digit_run(std::string_view(report).substr(0, digit_prefix_length(report)), 3);
    const EntryWidths& w = kNmarkWidths;
    return join_columns({
               {r.log_ido, 19, "="},
               {trim(r.kapott_hivojel_text), w.call, "="},
               {report, w.report, "="},
               {trim(r.kapott_nev_text), w.name, "/"},
               {trim(r.kapott_sorszam_text), w.serial, "="},
               {encode_report(r.kuldott_riport_text), w.sent_report, "="},
               {mode_text(r), 3, "="},
               {"", 4, ""},
               {sequence_number(r, funkcio), 5, "="},
               {trim(r.kezelo_text), w.own_name, "="},
               {number_or_zero(r.tavolsag_text, 1), 1, "/"},
               {number_or_zero(r.pontszam_text, 1), 1, "="},
               {band7(r), 7, "="},
           }) +
           one_line(r.qth_text);
}

Text SWL_log_sor_osszeallitas(QsoRecord& r, short& funkcio) {
    auto serial = [](const Text& entry) {
        return zero_padded_number(entry, 5).value_or(trim(entry));
    };
    const EntryWidths& w = kSwlWidths;
    return join_columns({
        {r.log_ido, 19, "="},
        {band7(r), 8, "="},
        {mode_text(r), 3, "="},
        {trim(r.kapott_hivojel_text), w.call, "/"},
        {encode_report(r.kapott_riport_text), w.report, "/"},
        {serial(r.kapott_sorszam_text), w.serial, "="},
        {trim(r.hivojel_2_text), w.call2, "/"},
        {encode_report(r.kuldott_riport_text), w.sent_report, "/"},
        {serial(r.kuldott_sorszam_text), w.sent_serial, "="},
        {sequence_number(r, funkcio), 5, "="},
    });
}

const EntryWidths& entry_widths(LineLayout layout) {
    switch (layout) {
        case LineLayout::Qrp: return kQrpWidths;
        case LineLayout::Skm: return kSkmWidths;
        case LineLayout::Nmark: return kNmarkWidths;
        case LineLayout::Swl: return kSwlWidths;
        case LineLayout::General: break;
    }
    return kGeneralWidths;
}

char new_country_marker(const Text& callsign, const CountryLookup& countries,
                        std::vector<char>& worked) {
    int index = country_index_of(countries.dxcc_kereses(trim(callsign)));
    // A callsign of no known country is never a new country.
    if (index <= 0) return '-';
    auto i = static_cast<std::size_t>(index);
    if (i >= worked.size()) worked.resize(i + 1, 0);
    if (worked[i]) return '-';
    worked[i] = 1;
    return 'N';
}

Text build_log_line(Session& s, short& funkcio) {
    switch (layout_of(s.contest())) {
        case LineLayout::Qrp: {
            char marker = s.restored_country_marker;
            if (funkcio != kFunkcioRewrite) {
                const CountryLookup& countries = s.countries ? *s.countries : Session::kNoCountries;
                marker = new_country_marker(s.qso.kapott_hivojel_text, countries, s.country_worked);
            }
            return QRP_sor_osszeallitas(s.qso, funkcio, marker);
        }
        case LineLayout::Skm:
            return SKM_sor_osszeallitas(s.qso, funkcio, s.restored_itu_zone);
        case LineLayout::Nmark:
            return NMARK_sor_osszeallitas(s.qso, funkcio);
        case LineLayout::Swl:
            return SWL_log_sor_osszeallitas(s.qso, funkcio);
        case LineLayout::General:
            break;
    }
    return log_sor_osszeallitas(s.qso, s.contest(), funkcio);
}

}  // namespace loxar
