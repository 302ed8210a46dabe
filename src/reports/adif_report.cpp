// The YL-OM report in ADIF, the ADIF field builder, and the YL-OM result list and statistics.
#include "reports/adif_report.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/bands.hpp"
#include "model/log_fields.hpp"

namespace loxar {
namespace {

using enum Field;

// The YL-OM report reads general-layout lines.
Text g(const Text& line, Field f) {
    return field(line, LineLayout::General, f);
}

// Own sex followed by the received sex, counted over a log or a result list.
struct SexPairs {
    long nn = 0, nf = 0, fn = 0, ff = 0;

    void add(const Text& pair) {
        if (pair == "NN") ++nn;
        if (pair == "NF") ++nf;
        if (pair == "FN") ++fn;
        if (pair == "FF") ++ff;
    }
    // A QSO with a YL on either side is worth 5, an OM-OM QSO 1.
    long score() const { return 5 * (nn + nf + fn) + ff; }
};

// The lower edge of a band-table entry in kHz ("1,8 MHz" -> 1800); nothing for "---" and the
// empty entries.
std::optional<long long> band_khz(int index) {
    const Text name = trim(band_name(index));
    const std::size_t blank = name.find(' ');
    if (blank == Text::npos) return std::nullopt;
    Text figure = name.substr(0, blank);
    std::replace(figure.begin(), figure.end(), ',', '.');
    const Text unit = name.substr(blank + 1);
    const double scale = unit == "kHz" ? 1 : unit == "MHz" ? 1e3 : unit == "GHz" ? 1e6 : 0;
    if (scale == 0 || !is_numeric(figure)) return std::nullopt;
    return std::llround(val(figure) * scale);
}

struct BandFreq {
    Text band, freq;
};

// The band table as the report reads it: each band's name, wavelength and lower edge in kHz.
struct KnownBand {
    Text name, wavelength;
    long long khz;
};
const std::vector<KnownBand>& known_bands() {
    static const std::vector<KnownBand> bands = [] {
        std::vector<KnownBand> out;
        for (int i = 0; i < kBandCount; ++i) {
            if (const auto lower = band_khz(i)) {
                out.push_back({trim(band_name(i)), trim(band_wavelength(i)), *lower});
            }
        }
        return out;
    }();
    return bands;
}

// BAND and FREQ of a log line's band field: always taken from the band table, so a field the
// table does not know leaves both empty.
BandFreq band_and_freq(const Text& log_line) {
    const Text band = g(log_line, Band);
    const Text field = trim(band);
    // A frequency in kHz (checked first: 14500 is 20 m, not the "145" of 2 m): the band it lies in.
    if (all_digits(field)) {
        const long long khz = int_value(field);
        BandFreq out{{}, std::to_string(khz)};
        long long best = -1;
        for (const KnownBand& b : known_bands()) {
            if (b.khz <= khz && b.khz > best) {
                best = b.khz;
                out.band = b.wavelength;
            }
        }
        return out;
    }
    // The contest's two bands, known by their first three characters.
    const Text head = trim(col(band, 1, 3));
    if (head == "145") return {"2m", "145000"};
    if (head == "3,5") return {"80m", "3500"};
    for (const KnownBand& b : known_bands()) {
        if (field == b.name) return {b.wavelength, std::to_string(b.khz)};
    }
    return {};
}

Text yyyymmdd(const Text& l) {
    return adif_date(field(l, LineLayout::General, Date));
}
Text hhmmss(const Text& l) {
    return adif_time(field(l, LineLayout::General, Time));
}
Text worked_call(const Text& l) {
    return trim(g(l, Call));
}

// A report written as its number; a report that is no number stays as it is, trimmed.
Text report_number(const Text& report) {
    return is_numeric(report) ? std::to_string(int_value(report)) : trim(report);
}

// Appends one ADIF field and what follows it on the line.
void add_field(Text& out, std::string_view name, std::string_view value, std::string_view after = {}) {
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(value.size());
    out += '>';
    out += value;
    out += ' ';
    out += after;
}

// The first of a record's five lines: the own station, the same in every record.
Text station_line(const ReportSource& src) {
    Text out;
    add_field(out, "STATION_CALLSIGN", trim(src.own_call), " ");
    add_field(out, "MY_NAME", trim(src.operator_name), " ");
    add_field(out, "MY_SEX", col(src.own_sex.text(), 1, 1));
    return out + kCrLf;
}

// Appends the five lines of one QSO.
void append_record(Text& out, const Text& station, const Text& l) {
    const BandFreq bf = band_and_freq(l);
    out += station;
    out += "    ";
    add_field(out, "CALL", worked_call(l), " ");
    add_field(out, "NAME", trim(g(l, ReceivedName)), " ");
    add_field(out, "SEX", trim(g(l, ReceivedSex)));
    out += kCrLf;
    out += "    ";
    add_field(out, "QSO_DATE", yyyymmdd(l), " ");
    add_field(out, "TIME_ON", hhmmss(l), " ");
    add_field(out, "BAND", bf.band, " ");
    add_field(out, "MODE", trim(g(l, Mode)), " ");
    add_field(out, "FREQ", bf.freq);
    out += kCrLf;
    // Reports as numbers ("059" -> 59; a CW "599" stays 599, where its last two characters would
    // claim 99); numbers by their last two characters ("0025" -> 25); the points' last digit
    // stands in DISTANCE.
    out += "    ";
    add_field(out, "RST_SENT", report_number(g(l, SentReport)), " ");
    add_field(out, "STX", col(g(l, SentSerial), 3, 2), " ");
    add_field(out, "RST_RCVD", report_number(g(l, ReceivedReport)));
    add_field(out, "SRX", col(g(l, ReceivedSerial), 3, 2));
    add_field(out, "DISTANCE", trim(col(g(l, Points), 5, 1)));
    out += kCrLf;
    out += "<EOR>";
    out += kCrLf;
}

// The claimed score of the header: the total field's whole number or, when it holds none,
// the score counted from the log itself.
Text claimed_score(const ReportSource& src) {
    if (is_numeric(src.total_score)) return std::to_string(int_value(src.total_score));
    SexPairs pairs;
    for (const Text& l : src.log_lines) pairs.add(g(l, OwnSex) + g(l, ReceivedSex));
    return std::to_string(pairs.score());
}

}  // namespace

Text adif_date(std::string_view date_field) {
    return col(date_field, 1, 4) + col(date_field, 6, 2) + col(date_field, 9, 2);
}

Text adif_time(std::string_view time_field) {
    return col(time_field, 1, 2) + col(time_field, 4, 2) + col(time_field, 7, 2);
}

Text adif_mezo_kepzes(const Text& header, const Text& szoveg) {
    Text out;
    add_field(out, header, szoveg);
    return out;
}

void append_adif_field(Text& out, std::string_view header, std::string_view szoveg) {
    add_field(out, header, szoveg);
}

YlomReport ylom_report(const ReportSource& src) {
    YlomReport r;
    const Text sex_greeting = src.own_sex.list_index == 1   ? "YL  73's"
                              : src.own_sex.list_index == 2 ? "OM  73's"
                                                            : "";
    r.header_lines = {
        kAdifCreatedLine,
        "YL-OM " + (src.log_lines.empty() ? Text{} : col(g(src.log_lines.front(), Date), 1, 4)),
        "Operator: " + src.own_call + " " + src.operator_name + " " + sex_greeting,
        "Claimed total score(s): " + claimed_score(src),
    };
    Text text;
    for (const Text& h : r.header_lines) text += h + kCrLf;
    text += "<EOH>" + kCrLf;
    const Text station = station_line(src);
    text.reserve(text.size() + src.log_lines.size() * (station.size() + 200));
    for (const Text& l : src.log_lines) {
        if (g(l, ReceivedSex) == ".") {
            r.stopped = true;
            r.message = worked_call(l) + hu(u8"-nél nincs a Sex definialva! Javítsa majd nyomja meg az "
                                            u8"<Újraszámolás> gombot!");
            return r;
        }
        append_record(text, station, l);
    }
    r.text = std::move(text);
    return r;
}

Text yl_list_line(const Text& l) {
    const struct {
        Text value;
        std::size_t width;
        const char* separator;
    } fields[] = {
        {yyyymmdd(l), 8, ";"},           // 1-8
        {hhmmss(l), 6, ";"},             // 10-15
        {g(l, Call), 20, ";"},           // 17-36 worked callsign
        {g(l, ReceivedName), 14, ";"},   // 38-51 received name
        {g(l, ReceivedReport), 3, ";"},  // 53-55 received report
        {g(l, ReceivedSerial), 4, ";"},  // 57-60 received number
        {g(l, ReceivedSex), 1, ";;"},    // 62 received sex
        {g(l, SentReport), 3, ";"},      // 65-67 sent report
        {g(l, SentSerial), 4, ";"},      // 69-72 sent number
        {g(l, OwnSex), 1, ";;"},         // 74 own sex
        {trim(g(l, Band)), 7, ";"},      // 77-83 band
        {trim(g(l, Mode)), 3, ";"},      // 85-87 mode
        {g(l, Points), 5, ";"},          // 89-93 points
    };
    Text out;
    for (const auto& f : fields) out += pad_cut(f.value, f.width) + f.separator;
    return out;
}

Text yl_statistics_text(const std::vector<Text>& list_lines) {
    SexPairs pairs;
    for (const Text& l : list_lines) pairs.add(col(l, 74, 1) + col(l, 62, 1));
    return std::to_string(list_lines.size()) + " QSO(s)  NN:" + std::to_string(pairs.nn) +
           "   NF:" + std::to_string(pairs.nf) + "   FN:" + std::to_string(pairs.fn) +
           "   FF:" + std::to_string(pairs.ff) + hu(u8"   Összesen:") + std::to_string(pairs.score()) +
           " pont";
}

}  // namespace loxar
