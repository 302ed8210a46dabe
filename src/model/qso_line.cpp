// Log-line builders: every field is prepared, then cut and blank-padded to its column width.
#include "model/qso_line.hpp"

#include <initializer_list>
#include <string_view>

#include "model/log_fields.hpp"

namespace loxar {

namespace {

// A field's value for the line being built.
struct Value {
    Field field;
    Text text;
};

// Writes the layout's fields in column order, each cut and blank-padded to its width and followed
// by its separator. A field without a value is left blank.
Text join_fields(LineLayout layout, std::initializer_list<Value> values) {
    Text line;
    for (const FieldCell& c : layout_fields(layout)) {
        Text v;
        for (const Value& value : values) {
            if (value.field == c.field) {
                // A CR, LF or NUL from anywhere (a loaded file, a pasted text) must not split the line.
                v = one_line(value.text);
                break;
            }
        }
        line += c.at.len == kToLineEnd ? v : pad_cut(v, c.at.len);
        line += c.after;
    }
    return line;
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
    return pad_digit_run(std::string_view(t).substr(0, digit_prefix_length(t)), 3) + hskc_category(t);
}

Text log_sor_osszeallitas(QsoRecord& r, ContestType type, short& funkcio) {
    const bool hskc = type == ContestType::Hskc;
    auto serial = [hskc](const Text& entry) {
        return hskc ? encode_hskc_serial(entry) : zero_padded_number(entry, 4).value_or(trim(entry));
    };
    Text received_serial = serial(r.kapott_sorszam_text);
    if (hskc) r.pontszam_text = hskc_points(hskc_category(r.kapott_sorszam_text));

    Text locator = trim(r.kapott_QRA_text);
    if (locator.empty()) {
        locator = kNoLocator;
        r.kapott_QRA_text = kNoLocator;
    }
    // Marker contests keep their 5-character evaluation text (e.g. "DX/OB") in the distance field.
    Text distance = distance_is_numeric(type) ? number_or_zero(r.tavolsag_text, 5) : r.tavolsag_text;

    using enum Field;
    return join_fields(LineLayout::General, {
                                                {DateTime, r.log_ido},
                                                {Call, trim(r.kapott_hivojel_text)},
                                                {ReceivedReport, encode_report(r.kapott_riport_text)},
                                                {ReceivedSerial, received_serial},
                                                {ReceivedLocator, locator},
                                                {ReceivedSex, first_char(r.kapott_sex_combo.text())},
                                                {SentReport, encode_report(r.kuldott_riport_text)},
                                                {SentSerial, serial(r.kuldott_sorszam_text)},
                                                {Mode, mode_text(r)},
                                                {OwnSex, first_char(r.sex_combo.text())},
                                                {Distance, distance},
                                                {Points, number_or_zero(r.pontszam_text, 5)},
                                                {Number, sequence_number(r, funkcio)},
                                                {ReceivedName, trim(r.kapott_nev_text)},
                                                {Band, band_or_frequency(r)},
                                            });
}

Text QRP_sor_osszeallitas(QsoRecord& r, short& funkcio, char new_country_marker) {
    Text name = trim(r.kapott_nev_text);
    Text qth = trim(r.kapott_sorszam_text);
    Text points = !name.empty() && !qth.empty() ? "2" : "1";
    using enum Field;
    return join_fields(LineLayout::Qrp, {
                                            {DateTime, r.log_ido},
                                            {Call, trim(r.kapott_hivojel_text)},
                                            {ReceivedReport, encode_report(r.kapott_riport_text)},
                                            {ReceivedName, name},
                                            {ReceivedQth, qth},
                                            {SentReport, encode_report(r.kuldott_riport_text)},
                                            {Mode, mode_text(r)},
                                            {Number, sequence_number(r, funkcio)},
                                            {OwnName, trim(r.kezelo_text)},
                                            {Points, points},
                                            {CountryMarker, Text(1, new_country_marker)},
                                            {Band, band7(r)},
                                            {OwnQth, r.qth_text},
                                        });
}

Text SKM_sor_osszeallitas(QsoRecord& r, short& funkcio, const Text& restored_itu_zone) {
    auto callsign_or_serial = [](const Text& entry) {
        return zero_padded_number(entry, 3).value_or(trim(entry));
    };
    Text zone = funkcio == kFunkcioRewrite && trim(r.kapott_QRA_text) == kNoLocator
                    ? restored_itu_zone
                    : col(r.kapott_QRA_text, 1, 2);
    using enum Field;
    return join_fields(LineLayout::Skm, {
                                            {DateTime, r.log_ido},
                                            {Call, trim(r.kapott_hivojel_text)},
                                            {ReceivedReport, encode_report(r.kapott_riport_text)},
                                            {ReceivedSerial, callsign_or_serial(r.kapott_sorszam_text)},
                                            {SentReport, encode_report(r.kuldott_riport_text)},
                                            {SentSerial, callsign_or_serial(r.kuldott_sorszam_text)},
                                            {Mode, mode_text(r)},
                                            {Distance, r.tavolsag_text},
                                            {Points, r.pontszam_text},
                                            {Number, sequence_number(r, funkcio)},
                                            {OwnName, trim(r.kezelo_text)},
                                            {Band, band7(r)},
                                            {ReceivedZone, zone},
                                        });
}

Text NMARK_sor_osszeallitas(QsoRecord& r, short& funkcio) {
    // Only the leading digits of the received report count here: "5NN" is written "005".
    Text report = trim(r.kapott_riport_text);
    report = pad_digit_run(std::string_view(report).substr(0, digit_prefix_length(report)), 3);
    using enum Field;
    return join_fields(LineLayout::Nmark, {
                                              {DateTime, r.log_ido},
                                              {Call, trim(r.kapott_hivojel_text)},
                                              {ReceivedReport, report},
                                              {ReceivedName, trim(r.kapott_nev_text)},
                                              {ReceivedQth, trim(r.kapott_sorszam_text)},
                                              {SentReport, encode_report(r.kuldott_riport_text)},
                                              {Mode, mode_text(r)},
                                              {Number, sequence_number(r, funkcio)},
                                              {OwnName, trim(r.kezelo_text)},
                                              {Distance, number_or_zero(r.tavolsag_text, 1)},
                                              {Points, number_or_zero(r.pontszam_text, 1)},
                                              {Band, band7(r)},
                                              {OwnQth, r.qth_text},
                                          });
}

Text SWL_log_sor_osszeallitas(QsoRecord& r, short& funkcio) {
    auto serial = [](const Text& entry) { return zero_padded_number(entry, 5).value_or(trim(entry)); };
    using enum Field;
    return join_fields(LineLayout::Swl, {
                                            {DateTime, r.log_ido},
                                            {Band, band7(r)},
                                            {Mode, mode_text(r)},
                                            {Call, trim(r.kapott_hivojel_text)},
                                            {ReceivedReport, encode_report(r.kapott_riport_text)},
                                            {ReceivedSerial, serial(r.kapott_sorszam_text)},
                                            {Call2, trim(r.hivojel_2_text)},
                                            {SentReport, encode_report(r.kuldott_riport_text)},
                                            {SentSerial, serial(r.kuldott_sorszam_text)},
                                            {Number, sequence_number(r, funkcio)},
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

char new_country_marker(const Text& callsign, const CountryLookup& countries, std::vector<char>& worked) {
    int index = country_index_of(countries.dxcc_kereses(trim(callsign)));
    // A callsign of no known country is never a new country.
    if (index <= 0) return '-';
    auto i = static_cast<std::size_t>(index);
    if (i >= worked.size()) worked.resize(i + 1, 0);
    if (worked[i]) return '-';
    worked[i] = 1;
    return 'N';
}

}  // namespace loxar
