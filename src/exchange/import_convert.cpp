// Log import: recognising the input and reading EDI, Cabrillo, ADIF, log files and callsign lists.
// Every reader goes through its input once and cuts every value to its column, so a huge,
// binary or malformed file costs time in proportion to its size and never shifts a column.
#include <algorithm>
#include <array>
#include <cstring>

#include "core/bands.hpp"
#include "core/file_io.hpp"
#include "core/log_file.hpp"
#include "core/numbering.hpp"
#include "core/qso_line.hpp"
#include "exchange/import_lines.hpp"
#include "exchange/log_import.hpp"

namespace loxar {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kMaxWords = 21;  // word 0 (the QSO mark or the date) to word 20
constexpr std::size_t kEdiFields = 15;
// How far into a file an ADIF header's "<EOH>" is looked for when the first line names no format.
constexpr std::size_t kAdifHeaderSearch = 64 * 1024;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The words of a line at runs of blanks, at most kMaxWords of them.
std::vector<std::string_view> words_of(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (words.size() < kMaxWords) {
        while (i < line.size() && is_blank(line[i])) ++i;
        if (i >= line.size()) break;
        const std::size_t start = i;
        while (i < line.size() && !is_blank(line[i])) ++i;
        words.push_back(line.substr(start, i - start));
    }
    return words;
}

Text word(const std::vector<std::string_view>& words, std::size_t i) {
    return i < words.size() ? Text(words[i]) : Text();
}

bool starts_with(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

char upper_ascii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

Text upper_ascii(std::string_view s) {
    Text out(s);
    for (char& c : out) c = upper_ascii(c);
    return out;
}

// Hands the converted lines on: the filter, and the bound of what a log can hold. Each line is
// built in one buffer, reused line after line.
class Output {
public:
    Output(const ImportSettings& settings, ImportResult& result, const ImportLineSink& sink)
        : result_(result),
          sink_(sink),
          band_(trim(settings.filter) == trim(band_name(0)) || settings.filter == kHaHgFilter
                    ? Text()
                    : trim(settings.filter)) {}

    // The buffer of the next line, begun with its date and time.
    Text& line(ImportState& state) {
        line_.clear();
        append_date_time(line_, state);
        return line_;
    }

    void add(std::string_view line) {
        if (!band_.empty() && trim(col(line, 108, 7)) != band_) return;
        if (kept_ < kMaxLogQsos) {
            ++kept_;
            sink_(line);
        } else {
            ++result_.left_out;
        }
    }

private:
    ImportResult& result_;
    const ImportLineSink& sink_;
    Text band_;  // empty: every band
    Text line_;
    std::size_t kept_ = 0;
};

// --- EDI --------------------------------------------------------------------------------------

int edi_band_index(const Text& pband) {
    static const std::pair<std::string_view, int> kPBand[] = {
        {"50 MHz", 12},  {"70 MHz", 13},  {"144 MHz", 14}, {"145 MHz", 14}, {"220 MHz", 15},
        {"432 MHz", 16}, {"433 MHz", 16}, {"435 MHz", 16}, {"900 MHz", 17}, {"1,2 GHz", 18},
        {"1,3 GHz", 18}, {"2,3 GHz", 19}, {"3,4 GHz", 20}, {"5,7 GHz", 21}, {"10 GHz", 22},
        {"24 GHz", 23},  {"47 GHz", 24},  {"76 GHz", 25},  {"122 GHz", 26}, {"134 GHz", 27},
        {"248 GHz", 28},
    };
    for (const auto& [name, index] : kPBand) {
        if (pband == name) return index;
    }
    // A data sheet's band is its wavelength ("2m", "70cm").
    for (int i = 1; i < kBandCount; ++i) {
        if (!pband.empty() && pband == band_wavelength(i)) return i;
    }
    switch (static_cast<int>(val(col(pband, 1, 2)))) {
        case 1: return 2;
        case 3: return 3;
        case 7: return 5;
        case 14: return 7;
        case 21: return 9;
        case 28: return 11;
        case 50: return 12;
        case 70: return 13;
        default: return 0;
    }
}

void set_edi_mode(ImportQso& q, const Text& code) {
    static const std::pair<std::string_view, std::string_view> kModes[] = {
        {"1", "SSB"}, {"2", "CW "}, {"5", "AM "}, {"6", "FM "},
        {"7", "RTT"}, {"8", "SST"}, {"9", "ATV"},
    };
    for (const auto& [c, mode] : kModes) {
        if (code == c) q.mode = Text(mode);
    }
}

std::vector<std::string_view> split_semicolons(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (fields.size() < kEdiFields) {
        const std::size_t semi = line.find(';', start);
        fields.push_back(line.substr(start, semi == std::string_view::npos ? std::string_view::npos
                                                                           : semi - start));
        if (semi == std::string_view::npos) break;
        start = semi + 1;
    }
    return fields;
}

void read_edi(std::string_view text, const ImportSettings& settings, ImportResult& result,
              const ImportLineSink& sink) {
    // The header values are found by their tags wherever they stand before the QSO records.
    Text tdate, pband;
    bool records = false;
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.next(line)) {
        if (starts_with(line, "[QSORecords")) {
            records = true;
            break;
        }
        if (starts_with(line, "TDate=")) tdate = trim(line.substr(6));
        if (starts_with(line, "PCall=")) result.state.work.own_callsign = clean_value(line.substr(6));
        if (starts_with(line, "PBand=")) pband = trim(line.substr(6));
    }
    const int band = edi_band_index(pband);
    if (band == 0) {
        result.error = hu(u8"Ismeretlen frekvenciasáv!");
        return;
    }
    if (!records) {
        result.error = hu(u8"Hiányos EDI file: nincs benne [QSORecords] sor!");
        return;
    }
    const Text century_digits = col(tdate, 1, 2);
    const Text century = century_digits.size() == 2 && is_numeric(century_digits) ? century_digits : "20";
    ImportQso& q = result.state.work;
    q.band = band_name(band);
    Output out(settings, result, sink);
    // The records run to the next section ("[END;...]"), or to the end of a file cut short.
    while (cursor.next(line)) {
        if (starts_with(line, "[")) break;
        if (trim(line).empty()) continue;
        const std::vector<std::string_view> f = split_semicolons(line);
        auto field = [&f](std::size_t i) { return i < f.size() ? clean_value(f[i]) : Text(); };
        const Text d = field(0);
        q.date = century + col(d, 1, 2) + "-" + col(d, 3, 2) + "-" + col(d, 5, 2);
        q.time = field(1);
        q.callsign = upper_ascii(field(2));
        set_edi_mode(q, field(3));
        q.sent_report = field(4);
        q.sent_serial = field(5);
        q.received_report = field(6);
        q.received_serial = field(7);
        const Text locator = upper_ascii(field(9));
        q.received_locator = locator.empty() ? kNoLocator : locator;
        if (const Text points = field(10); !points.empty()) q.points = int_value(points);
        Text& built = out.line(result.state);
        append_edi_line(built, q);
        out.add(built);
    }
}

// --- Cabrillo ---------------------------------------------------------------------------------

void read_cabrillo(std::string_view text, const ImportSettings& settings, ImportResult& result,
                   const ImportLineSink& sink) {
    ImportQso& q = result.state.work;
    const bool ha_hg = settings.filter == kHaHgFilter;
    const bool cqww = settings.type == ContestType::CqwwVhf;
    Output out(settings, result, sink);
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.next(line)) {
        if (!starts_with(line, "QSO")) continue;
        if (ha_hg) {
            const Text prefix = col(line, 56, 2);
            if (prefix != "HA" && prefix != "HG") continue;
        }
        const std::vector<std::string_view> w = words_of(line);
        auto value = [&w](std::size_t i) { return clean_value(word(w, i)); };
        q.frequency = value(1);
        q.mode = pad_cut(col(value(2), 1, 3), 3);
        q.date = value(3);
        q.time = value(4);
        q.own_callsign = value(5);
        if (cqww) {
            q.callsign = upper_ascii(value(7));
            const Text locator = upper_ascii(value(8));
            q.received_locator = locator.empty() ? kNoLocator : locator;
        } else {
            q.sent_report = pad_cut(value(6), 3);
            q.sent_serial = value(7);
            q.callsign = upper_ascii(value(8));
            q.received_report = value(9);
            q.received_serial = value(10);
        }
        q.band = band_name(band_index_for_cabrillo(q.frequency));
        Text& built = out.line(result.state);
        append_contest_line(built, q, settings, true);
        out.add(built);
    }
}

// --- ADIF -------------------------------------------------------------------------------------

// Letters, digits and "_", by a table: every byte of every field name is tested.
constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<std::size_t>(c)] =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    }
    return table;
}();

bool is_name_char(char c) { return kNameChars[static_cast<unsigned char>(c)]; }

// A field name (letters, digits and "_" only) against an upper-case name, letter case ignored.
// Among those characters the 0x20 bit is only ever a letter's case, so setting it on both sides
// compares them without a case conversion.
bool same_name(std::string_view name, std::string_view upper) {
    if (name.size() != upper.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((name[i] | 0x20) != (upper[i] | 0x20)) return false;
    }
    return true;
}

// The fields of an ADIF text one at a time: "<NAME:LENGTH[:TYPE]>VALUE" or "<NAME>". A "<" that
// starts no well-formed tag is passed over; every tag part is bounded, so each "<" costs little.
// Name and value are views into the text.
class AdifScanner {
public:
    explicit AdifScanner(std::string_view text, std::size_t from = 0) : text_(text), pos_(from) {}

    // The next field, its name as written. False at the end.
    bool next(std::string_view& name, std::string_view& value) {
        for (;;) {
            const std::size_t open = find_open();
            if (open == std::string_view::npos) {
                pos_ = text_.size();
                return false;
            }
            pos_ = open + 1;
            std::size_t i = open + 1;
            const std::size_t name_end = std::min(text_.size(), open + 1 + kMaxName);
            while (i < name_end && is_name_char(text_[i])) ++i;
            if (i == open + 1 || i >= text_.size()) continue;
            std::size_t j = i + 1;
            std::size_t length = 0;
            if (text_[i] == ':') {
                while (j < text_.size() && j - i <= kMaxDigits && text_[j] >= '0' && text_[j] <= '9')
                    length = length * 10 + static_cast<std::size_t>(text_[j++] - '0');
                if (j == i + 1 || j >= text_.size()) continue;
                if (text_[j] == ':') {
                    const std::size_t type = ++j;
                    while (j < text_.size() && j - type < kMaxType && is_name_char(text_[j])) ++j;
                }
                if (j >= text_.size() || text_[j] != '>') continue;
                ++j;
            } else if (text_[i] != '>') {
                continue;
            }
            name = text_.substr(open + 1, i - open - 1);
            value = text_.substr(j, std::min(length, text_.size() - j));
            pos_ = j + value.size();
            return true;
        }
    }
    std::size_t position() const { return pos_; }

private:
    static constexpr std::size_t kMaxName = 64, kMaxDigits = 9, kMaxType = 8, kNearBytes = 16;

    // The next "<": between fields it mostly follows within a blank or a line end, so the
    // nearest bytes are looked at before the rest is searched.
    std::size_t find_open() const {
        const std::size_t near_end = std::min(text_.size(), pos_ + kNearBytes);
        for (std::size_t k = pos_; k < near_end; ++k) {
            if (text_[k] == '<') return k;
        }
        return text_.find('<', near_end);
    }

    std::string_view text_;
    std::size_t pos_;
};

// Where the records begin: after "<EOH>" when the file has a header (it does not start with
// "<"); at the start when it has none, or when no "<EOH>" ends it.
std::size_t adif_records_start(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text[first] == '<') return 0;
    AdifScanner scan(text);
    std::string_view name, value;
    while (scan.next(name, value)) {
        if (same_name(name, "EOH")) return scan.position();
    }
    return 0;
}

// kHz of an ADIF FREQ in MHz ("7.025", "7,025", "144.3"), read digit by digit since every QSO has
// one; nothing when it is not a plain decimal number.
std::optional<long long> adif_khz(std::string_view mhz) {
    constexpr std::size_t kMaxIntegerDigits = 9;
    long long whole = 0, fraction = 0;
    std::size_t i = 0, integer_digits = 0, fraction_digits = 0;
    for (; i < mhz.size() && mhz[i] >= '0' && mhz[i] <= '9'; ++i) {
        if (++integer_digits > kMaxIntegerDigits) return std::nullopt;
        whole = whole * 10 + (mhz[i] - '0');
    }
    if (i < mhz.size() && (mhz[i] == '.' || mhz[i] == ',')) {
        for (++i; i < mhz.size() && mhz[i] >= '0' && mhz[i] <= '9'; ++i) {
            // Four decimals are a tenth of a kHz: enough to round to the kHz.
            if (fraction_digits < 4) {
                fraction = fraction * 10 + (mhz[i] - '0');
                ++fraction_digits;
            }
        }
    }
    if (i != mhz.size() || integer_digits + fraction_digits == 0) return std::nullopt;
    while (fraction_digits < 4) {
        fraction *= 10;
        ++fraction_digits;
    }
    return whole * 1000 + (fraction + 5) / 10;
}

enum class AdifField {
    Other, Eor, Call, QsoDate, TimeOn, OwnCall, Freq, Band, ContestId, Mode, Name, RstRcvd, RstSent,
    Srx, Exchange, Stx, AdditionalExchange,
};

// Told apart by length first: every field of every record passes here, and this way a name is
// compared with at most four others.
AdifField adif_field(std::string_view name) {
    auto is = [name](std::string_view upper) { return same_name(name, upper); };
    switch (name.size()) {
        case 3:
            if (is("EOR")) return AdifField::Eor;
            if (is("SRX")) return AdifField::Srx;
            if (is("STX")) return AdifField::Stx;
            break;
        case 4:
            if (is("CALL")) return AdifField::Call;
            if (is("FREQ")) return AdifField::Freq;
            if (is("BAND")) return AdifField::Band;
            if (is("MODE")) return AdifField::Mode;
            if (is("NAME")) return AdifField::Name;
            if (is("SECT")) return AdifField::Exchange;
            break;
        case 5:
            if (is("STATE")) return AdifField::Exchange;
            break;
        case 7:
            if (is("TIME_ON")) return AdifField::TimeOn;
            break;
        case 8:
            if (is("QSO_DATE")) return AdifField::QsoDate;
            if (is("OPERATOR")) return AdifField::OwnCall;
            if (is("RST_RCVD")) return AdifField::RstRcvd;
            if (is("RST_SENT")) return AdifField::RstSent;
            break;
        case 10:
            if (is("CONTEST_ID")) return AdifField::ContestId;
            break;
        case 16:
            if (is("STATION_CALLSIGN")) return AdifField::OwnCall;
            break;
        case 18:
            if (is("APP_N1MM_EXCHANGE1")) return AdifField::AdditionalExchange;
            break;
        default: break;
    }
    return AdifField::Other;
}

bool is_ascii(std::string_view v) {
    return std::all_of(v.begin(), v.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void read_adif(std::string_view text, const ImportSettings& settings, ImportResult& result,
               const ImportLineSink& sink) {
    const bool utf8 = looks_like_utf8(text);
    ImportQso& q = result.state.work;
    Output out(settings, result, sink);
    AdifScanner scan(text, adif_records_start(text));
    std::string_view name, raw;
    Text converted, value;  // work buffers, reused field after field
    // A log's BAND is mostly the same record after record: its band is looked up when it changes.
    std::string_view band_text;
    int band_of_text = 0;
    int record_band = 0;  // the band of a BAND field of this record; 0: none
    bool record_frequency = false;
    int frequency_band = 0;  // the band of the frequency field, which goes on to later records
    auto start_record = [&] {
        q.name.clear();
        q.exchange.clear();
        q.additional_exchange.clear();
        record_band = 0;
        record_frequency = false;
    };
    start_record();
    while (scan.next(name, raw)) {
        const AdifField field = adif_field(name);
        if (field == AdifField::Other) continue;
        if (field == AdifField::Eor) {
            // A FREQ gives the band; a record with only a BAND takes that band.
            q.band = band_name(record_frequency || record_band == 0 ? frequency_band : record_band);
            Text& line = out.line(result.state);
            append_contest_line(line, q, settings, false);
            out.add(line);
            start_record();
            continue;
        }
        // Into the work field's own buffer: this runs for every field of every QSO.
        // Plain ASCII is the same in both encodings: only other values are converted.
        const bool convert = utf8 && !is_ascii(raw);
        if (convert) converted = utf8_to_cp1250(raw);
        const std::string_view v = convert ? std::string_view(converted) : raw;
        switch (field) {
            case AdifField::Call:
                assign_clean(q.callsign, v);
                for (char& c : q.callsign) c = upper_ascii(c);
                break;
            case AdifField::QsoDate:
                assign_clean(value, v);
                q.date.assign(value, 0, 4);
                q.date += '-';
                q.date.append(value, std::min<std::size_t>(4, value.size()), 2);
                q.date += '-';
                q.date.append(value, std::min<std::size_t>(6, value.size()), 2);
                break;
            case AdifField::TimeOn: assign_clean(q.time, v); break;
            case AdifField::OwnCall: assign_clean(q.own_callsign, v); break;
            case AdifField::Freq: {
                assign_clean(value, v);
                const std::optional<long long> khz = adif_khz(value);
                q.frequency = khz ? std::to_string(*khz) : Text();
                frequency_band = khz ? band_index_for_khz(static_cast<double>(*khz)) : 0;
                record_frequency = true;
                break;
            }
            case AdifField::Band:
                if (raw != band_text) {
                    band_text = raw;
                    band_of_text = band_index_for_adif(v);
                }
                record_band = band_of_text;
                break;
            case AdifField::ContestId: assign_clean(q.contest_id, v); break;
            case AdifField::Mode:
                assign_clean(q.mode, v);
                q.mode.resize(3, ' ');
                break;
            case AdifField::Name: assign_clean(q.name, v); break;
            case AdifField::RstRcvd: assign_clean(q.received_report, v); break;
            case AdifField::RstSent:
                assign_clean(q.sent_report, v);
                q.sent_report.resize(3, ' ');
                break;
            case AdifField::Srx: assign_clean(q.received_serial, v); break;
            case AdifField::Exchange: assign_clean(q.exchange, v); break;
            case AdifField::Stx: assign_clean(q.sent_serial, v); break;
            case AdifField::AdditionalExchange: assign_clean(q.additional_exchange, v); break;
            default: break;
        }
    }
}

// --- Callsign lists and log files ---------------------------------------------------------------

Text callsign_list_band(const Text& word) {
    const Text w = upper_hu(word);
    if (w == "144MHZ" || w == "145MHZ") return band_name(14);
    if (w == "432MHZ" || w == "435MHZ") return band_name(16);
    if (w == "1.3GHZ") return band_name(18);
    return pad_cut(word, 7);
}

void read_callsign_list(std::string_view text, const ImportSettings& settings, ImportResult& result,
                        const ImportLineSink& sink) {
    ImportQso& q = result.state.work;
    Output out(settings, result, sink);
    LineCursor cursor(text);
    std::string_view line;
    cursor.next(line);  // the heading
    while (cursor.next(line)) {
        const std::vector<std::string_view> w = words_of(line);
        if (w.empty()) continue;
        auto value = [&w](std::size_t i) { return clean_value(word(w, i)); };
        q.date = value(0);
        q.time = value(1);
        q.band = callsign_list_band(value(2));
        q.mode = pad_cut(col(value(3), 1, 3), 3);
        q.callsign = upper_ascii(value(4));
        q.sent_report = pad_cut(value(5), 3);
        q.sent_serial = value(6);
        q.received_report = value(7);
        q.received_serial = value(8);
        q.points = int_value(value(9));
        const Text locator = upper_ascii(value(10));
        q.received_locator = locator.empty() ? kNoLocator : locator;
        Text& built = out.line(result.state);
        append_callsign_list_line(built, q);
        out.add(built);
    }
}

void read_log_file_lines(std::string_view text, const ImportSettings& settings, ImportResult& result,
                         const ImportLineSink& sink) {
    const LogFileRead file = parse_log_file(text);
    Output out(settings, result, sink);
    for (const Text& line : file.qso_lines()) out.add(line);
    result.left_out += file.left_out;
}

}  // namespace

std::optional<std::string_view> import_input_view(std::string_view bytes, Text& problem) {
    if (bytes.find('\0') != std::string_view::npos) {
        problem = hu(u8"A file bináris adatot tartalmaz, nem importálható!");
        return std::nullopt;
    }
    if (starts_with(bytes, kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return bytes;
}

std::optional<Text> import_input(Text bytes, Text& problem) {
    const std::optional<std::string_view> input = import_input_view(bytes, problem);
    if (!input) return std::nullopt;
    bytes.erase(0, bytes.size() - input->size());
    return bytes;
}

std::vector<Text> import_display_lines(std::string_view input) {
    const Text text = input_to_cp1250(input);
    std::vector<Text> lines;
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.next(line)) lines.push_back(trim(line));
    return lines;
}

ImportFormat detect_import_format(std::string_view input) {
    std::string_view first;
    LineCursor(input).next(first);
    const std::string_view line = trimmed(first);
    if (starts_with(line, "[REG1TEST;1]")) return ImportFormat::Edi;
    if (starts_with(line, "START-OF-LOG")) return ImportFormat::Cabrillo;
    if (starts_with(line, "Log records:")) return ImportFormat::LogFile;
    if (starts_with(line, "Callsign")) return ImportFormat::CallsignList;
    // ADIF: a header whose first line begins with "ADIF", a file without a header (it starts with
    // a field), or any header text that an "<EOH>" ends.
    if (starts_with(upper_ascii(col(line, 1, 4)), "ADIF") || starts_with(line, "<")) return ImportFormat::Adif;
    if (upper_ascii(input.substr(0, kAdifHeaderSearch)).find("<EOH>") != Text::npos) return ImportFormat::Adif;
    return ImportFormat::Unknown;
}

ImportResult convert_import(std::string_view input, const ImportSettings& settings, const ImportLineSink& sink) {
    ImportResult result;
    if (trimmed(input).empty()) {
        result.error = hu(u8"Nincs mit feldolgozni!");
        return result;
    }
    const ImportFormat format = detect_import_format(input);
    // Line formats are converted to cp1250 whole; ADIF values one by one, since their lengths
    // count the bytes as written.
    const Text text = format == ImportFormat::Adif ? Text() : input_to_cp1250(input);
    switch (format) {
        case ImportFormat::Edi: read_edi(text, settings, result, sink); break;
        case ImportFormat::Cabrillo: read_cabrillo(text, settings, result, sink); break;
        case ImportFormat::Adif: read_adif(input, settings, result, sink); break;
        case ImportFormat::LogFile: read_log_file_lines(text, settings, result, sink); break;
        case ImportFormat::CallsignList: read_callsign_list(text, settings, result, sink); break;
        case ImportFormat::Unknown: result.error = hu(u8"Ismeretlen formátum!"); break;
    }
    return result;
}

ImportResult convert_import(std::string_view input, const ImportSettings& settings) {
    std::vector<Text> lines;
    ImportResult result = convert_import(input, settings, [&lines](std::string_view line) { lines.emplace_back(line); });
    if (result.error.empty()) result.lines = std::move(lines);
    return result;
}

std::size_t import_check_column(ContestType type) {
    switch (type) {
        case ContestType::SilentKeyMem: return 34;
        case ContestType::HaQrp:
        case ContestType::Dx:
        case ContestType::Nmark: return 37;
        default: return 41;
    }
}

}  // namespace loxar
