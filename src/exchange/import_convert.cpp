// Log import: recognising the input and reading EDI, Cabrillo, ADIF, log files and callsign lists.
// Every reader goes through its input once and cuts every value to its column, so a huge,
// binary or malformed file costs time in proportion to its size and never shifts a column.
#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "exchange/import_lines.hpp"
#include "exchange/import_source.hpp"
#include "exchange/log_import.hpp"
#include "model/bands.hpp"
#include "model/contest_profile.hpp"
#include "model/file_io.hpp"
#include "model/log_format.hpp"
#include "model/log_numbers.hpp"
#include "model/qso_line.hpp"
#include "rules/locator.hpp"

namespace loxar {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::size_t kMaxWords = 21;  // word 0 (the QSO mark or the date) to word 20
constexpr std::size_t kEdiFields = 15;
// How far into a file an ADIF header's "<EOH>" is looked for when the first line names no format.
constexpr std::size_t kAdifHeaderSearch = 64 * 1024;

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

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

char upper_ascii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

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
    LineBuffer& line(ImportState& state) {
        line_.size = 0;
        append_date_time(line_, state);
        return line_;
    }

    void add(std::string_view line) {
        if (!band_.empty() && trim(col(line, 108, 7)) != band_) return;
        if (kept_ < kMaxLogQsos) {
            ++kept_;
            ++result_.converted;
            sink_(line);
        } else {
            ++result_.left_out;
        }
    }

private:
    ImportResult& result_;
    const ImportLineSink& sink_;
    Text band_;  // empty: every band
    LineBuffer line_;
    std::size_t kept_ = 0;
};

// --- EDI --------------------------------------------------------------------------------------

// MHz of a band written as a number and its unit ("1,3 GHz", "432MHz", "144", "135 kHz"); a bare
// number is MHz. Nothing for any other text.
std::optional<double> band_mhz(std::string_view v) {
    v = trim_view(v);
    std::size_t i = 0;
    while (i < v.size() && ((v[i] >= '0' && v[i] <= '9') || v[i] == '.' || v[i] == ',')) ++i;
    Text number(v.substr(0, i));
    std::replace(number.begin(), number.end(), ',', '.');
    if (number.empty() || number.find_first_of("0123456789") == Text::npos ||
        std::count(number.begin(), number.end(), '.') > 1) {
        return std::nullopt;
    }
    double value = 0;
    // from_chars, not stod: the window's locale may want a decimal comma.
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec != std::errc())
        return std::nullopt;
    const Text unit = upper_ascii(trim_view(v.substr(i)));
    if (unit.empty() || unit == "MHZ") return value;
    if (unit == "GHZ") return value * 1000;
    if (unit == "KHZ") return value / 1000;
    return std::nullopt;
}

// The band of an EDI PBand value in any spelling writers use: the format's own words ("145 MHz",
// "1,3 GHz"), a frequency with or without its unit ("144", "432MHz", "1.3 GHz", "1296 MHz"), or a
// wavelength ("2m", "70cm"). 0 when none fits.
int edi_band_index(const Text& pband) {
    Text compact(pband);
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());
    if (const int by_wavelength = band_index_for_adif(compact); by_wavelength != 0) return by_wavelength;
    const std::optional<double> mhz = band_mhz(pband);
    if (!mhz || *mhz <= 0) return 0;
    if (const int in_band = band_index_for_khz(*mhz * 1000); in_band != 0) return in_band;
    // A band named by a round figure outside its range ("1,2 GHz", "900 MHz", "122 GHz"): the band
    // whose own name is nearest, within a tenth.
    int best = 0;
    double best_gap = 0.1;
    for (int b = 1; b < kBandCount; ++b) {
        const std::optional<double> nominal = band_mhz(band_name(b));
        if (!nominal) continue;
        const double gap = std::abs(*nominal - *mhz) / *nominal;
        if (gap <= best_gap) {
            best = b;
            best_gap = gap;
        }
    }
    return best;
}

void set_edi_mode(ImportQso& q, const Text& code) {
    static const std::pair<std::string_view, std::string_view> kModes[] = {
        {"1", "SSB"}, {"2", "CW "}, {"5", "AM "}, {"6", "FM "}, {"7", "RTT"}, {"8", "SST"}, {"9", "ATV"},
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
        fields.push_back(
            line.substr(start, semi == std::string_view::npos ? std::string_view::npos : semi - start));
        if (semi == std::string_view::npos) break;
        start = semi + 1;
    }
    return fields;
}

void read_edi(ImportLines& cursor, const ImportSettings& settings, ImportResult& result,
              const ImportLineSink& sink) {
    // The header values are found by their tags wherever they stand before the QSO records.
    Text tdate, pband;
    bool records = false;
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
        if (std::all_of(f.begin(), f.end(), [](std::string_view v) { return trim_view(v).empty(); })) {
            ++result.skipped.empty;
            continue;
        }
        if (field(2).empty()) {
            ++result.skipped.without_call;
            continue;
        }
        const Text d = field(0);
        q.date = century + col(d, 1, 2) + "-" + col(d, 3, 2) + "-" + col(d, 5, 2);
        q.time = field(1);
        q.callsign = upper_ascii(field(2));
        set_edi_mode(q, field(3));
        q.sent_report = field(4);
        q.sent_serial = field(5);
        q.received_report = field(6);
        q.received_serial = field(7);
        q.received_locator = import_locator(field(9));
        if (const Text points = field(10); !points.empty()) q.points = int_value(points);
        LineBuffer& built = out.line(result.state);
        append_edi_line(built, q);
        out.add(built.view());
    }
}

// --- Cabrillo ---------------------------------------------------------------------------------

bool is_locator_word(std::string_view w) {
    return (w.size() == 4 || w.size() == 6) && locator_format_ok(upper_ascii(w));
}

// A QSO line of the VHF layout: own call, own grid, call, grid (no reports, no serials).
bool vhf_layout(const std::vector<std::string_view>& w) {
    return w.size() >= 9 && w.size() <= 10 && is_locator_word(w[6]) && is_locator_word(w[8]) &&
           !is_locator_word(w[7]);
}

void read_cabrillo(ImportLines& cursor, const ImportSettings& settings, ImportResult& result,
                   const ImportLineSink& sink) {
    ImportQso& q = result.state.work;
    const bool ha_hg = settings.filter == kHaHgFilter;
    const bool cqww = settings.type == ContestType::CqwwVhf;
    Output out(settings, result, sink);
    std::optional<bool> vhf;  // the layout, told by the first QSO line
    std::string_view line;
    while (cursor.next(line)) {
        if (!starts_with(line, "QSO")) continue;
        const std::vector<std::string_view> w = words_of(line);
        if (!vhf) {
            vhf = vhf_layout(w);
            // Refused before a line is made, never converted with a grid in the callsign column.
            if (*vhf && contest_profile(settings.type).entry.locator != LocatorEntry::Typed) {
                result.error =
                    hu(u8"A Cabrillo file VHF formátumú (hívójel, lokátor, hívójel, lokátor): "
                       u8"csak lokátoros versenybe (IARU, CQ-BP, EXCHANGE, CQWW-VHF) importálható!");
                return;
            }
        }
        if (ha_hg) {
            const Text prefix = col(line, 56, 2);
            if (prefix != "HA" && prefix != "HG") continue;
        }
        auto value = [&w](std::size_t i) { return clean_value(word(w, i)); };
        q.clear();
        q.frequency = value(1);
        q.mode = import_mode(value(2));
        q.date = value(3);
        q.time = value(4);
        q.own_callsign = value(5);
        if (cqww || *vhf) {
            q.callsign = upper_ascii(value(7));
            q.received_locator = import_locator(value(8));
        } else {
            q.sent_report = pad_cut(value(6), 3);
            q.sent_serial = value(7);
            q.callsign = upper_ascii(value(8));
            q.received_report = value(9);
            q.received_serial = value(10);
        }
        q.band = band_name(band_index_for_cabrillo(q.frequency));
        LineBuffer& built = out.line(result.state);
        append_contest_line(built, q, settings, true);
        out.add(built.view());
    }
}

// --- ADIF -------------------------------------------------------------------------------------

// The 7-character band texts, made once: every QSO takes one.
const std::array<Text, kBandCount>& band_names() {
    static const std::array<Text, kBandCount> names = [] {
        std::array<Text, kBandCount> table;
        for (int i = 0; i < kBandCount; ++i) table[static_cast<std::size_t>(i)] = band_name(i);
        return table;
    }();
    return names;
}

// Letters, digits and "_", by a table: every byte of every field name is tested.
constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[static_cast<std::size_t>(c)] =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    }
    return table;
}();

bool is_name_char(char c) {
    return kNameChars[static_cast<unsigned char>(c)];
}

// The end of a run of name characters, four looked at a step: every tag of a file passes here.
// Each character is looked at only once the one before it was a name character, so the scan
// never reads past the character that ends the run.
const char* name_end(const char* c) {
    for (;; c += 4) {
        if (!is_name_char(c[0])) return c;
        if (!is_name_char(c[1])) return c + 1;
        if (!is_name_char(c[2])) return c + 2;
        if (!is_name_char(c[3])) return c + 3;
    }
}

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
// starts no well-formed tag is passed over. The text is a ChunkedText's window (a NUL follows
// it): a tag or value the window cuts asks for more text, unless the window is the input's last.
// Name and value are views into the window.
class AdifScanner {
public:
    enum class Step { Field, More, End };

    void reset(std::string_view text, std::size_t from, bool last) {
        text_ = text;
        pos_ = from;
        last_ = last;
    }

    // The next field, its name as written.
    Step next(std::string_view& name, std::string_view& value) {
        if (skip_ > 0) {
            const std::size_t n = std::min(skip_, text_.size() - pos_);
            pos_ += n;
            skip_ -= n;
            if (skip_ > 0) return last_ ? Step::End : Step::More;
        }
        for (;;) {
            const std::size_t open = find_open();
            if (open == std::string_view::npos) {
                pos_ = text_.size();
                return last_ ? Step::End : Step::More;
            }
            // A tag the window ends in is read again from its "<" once more text is there.
            auto cut = [&] {
                if (last_) return false;
                pos_ = open;
                return true;
            };
            pos_ = open + 1;
            // The NUL past the window ends every run of name characters and digits.
            const char* const p = text_.data();
            const std::size_t i = static_cast<std::size_t>(name_end(p + open + 1) - p);
            // Too long for a name: passed over at once, so the window never waits for its end.
            if (i - open - 1 > kMaxName) continue;
            if (i >= text_.size()) {
                if (cut()) return Step::More;
                continue;
            }
            if (i == open + 1) continue;
            std::size_t j = i + 1;
            std::size_t length = 0;
            if (text_[i] == ':') {
                while (j - i <= kMaxDigits && p[j] >= '0' && p[j] <= '9')
                    length = length * 10 + static_cast<std::size_t>(p[j++] - '0');
                if (j >= text_.size()) {
                    if (cut()) return Step::More;
                    continue;
                }
                if (j == i + 1) continue;
                if (text_[j] == ':') {
                    const std::size_t type = ++j;
                    while (j < text_.size() && j - type < kMaxType && is_name_char(text_[j])) ++j;
                }
                if (j >= text_.size()) {
                    if (cut()) return Step::More;
                    continue;
                }
                if (text_[j] != '>') continue;
                ++j;
            } else if (text_[i] != '>') {
                continue;
            }
            const std::size_t available = text_.size() - j;
            if (length > available && !last_) {
                if (available < kMaxValue) {
                    pos_ = open;
                    return Step::More;
                }
                // A value longer than any real one: what is here is taken, the rest passed over.
                skip_ = length - available;
            }
            // Both inside the window by the checks above: no bounds check again.
            name = std::string_view(p + open + 1, i - open - 1);
            value = std::string_view(p + j, std::min(length, available));
            pos_ = j + value.size();
            return Step::Field;
        }
    }
    std::size_t position() const { return pos_; }

private:
    static constexpr std::size_t kMaxName = 64, kMaxDigits = 9, kMaxType = 8, kNearBytes = 16;
    static constexpr std::size_t kMaxValue = ChunkedText::kChunk;

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
    std::size_t pos_ = 0;
    bool last_ = true;
    std::size_t skip_ = 0;  // bytes of a cut value still to pass over
};

// Where the records begin: after "<EOH>" when the file has a header (it does not start with
// "<"); at the start when it has none, or when no "<EOH>" ends it in the first window.
std::size_t adif_records_start(std::string_view text, bool last) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text[first] == '<') return 0;
    AdifScanner scan;
    scan.reset(text, 0, last);
    std::string_view name, value;
    while (scan.next(name, value) == AdifScanner::Step::Field) {
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

// The fields a log line takes something from. The own callsign (STATION_CALLSIGN, OPERATOR), the
// contest's name and N1MM's extra exchange stand in no line, so they are passed over like the rest.
enum class AdifField {
    Other,
    Eor,
    Call,
    QsoDate,
    TimeOn,
    Freq,
    Band,
    Mode,
    Name,
    RstRcvd,
    RstSent,
    Srx,
    SrxString,
    Exchange,
    Stx,
    StxString,
    Gridsquare,
};

// A field name in machine words with the 0x20 bit set in each of its bytes: names are letters,
// digits and "_", and among those that bit is only a letter's case, so folded names compare
// without case a word at a time.
template <std::size_t N>
using FoldedName = std::array<std::uint64_t, (N + 7) / 8>;
static_assert(std::endian::native == std::endian::little, "the folded names are laid out little-endian");

template <std::size_t L>
constexpr FoldedName<L - 1> folded(const char (&upper)[L]) {
    FoldedName<L - 1> f{};
    for (std::size_t i = 0; i + 1 < L; ++i) {
        f[i / 8] |= static_cast<std::uint64_t>(static_cast<unsigned char>(upper[i]) | 0x20) << (8 * (i % 8));
    }
    return f;
}

// The same of a name N characters long, N known where it is called: copies of fixed size.
template <std::size_t N>
FoldedName<N> folded_name(const char* name) {
    constexpr std::size_t kWords = (N + 7) / 8;
    std::array<char, 8 * kWords> bytes{};
    std::memcpy(bytes.data(), name, N);
    FoldedName<N> f;
    for (std::size_t k = 0; k < kWords; ++k) {
        std::memcpy(&f[k], bytes.data() + 8 * k, 8);
        const std::size_t in_word = std::min<std::size_t>(8, N - 8 * k);
        f[k] |= in_word == 8 ? 0x2020202020202020ULL : 0x2020202020202020ULL & ((1ULL << (8 * in_word)) - 1);
    }
    return f;
}

// Told apart by length first: every field of every record passes here, and this way a name is
// compared with at most four others.
AdifField adif_field(std::string_view name) {
    switch (name.size()) {
        case 3: {
            const auto f = folded_name<3>(name.data());
            if (f == folded("EOR")) return AdifField::Eor;
            if (f == folded("SRX")) return AdifField::Srx;
            if (f == folded("STX")) return AdifField::Stx;
            break;
        }
        case 4: {
            const auto f = folded_name<4>(name.data());
            if (f == folded("CALL")) return AdifField::Call;
            if (f == folded("FREQ")) return AdifField::Freq;
            if (f == folded("BAND")) return AdifField::Band;
            if (f == folded("MODE")) return AdifField::Mode;
            if (f == folded("NAME")) return AdifField::Name;
            if (f == folded("SECT")) return AdifField::Exchange;
            break;
        }
        case 5:
            if (folded_name<5>(name.data()) == folded("STATE")) return AdifField::Exchange;
            break;
        case 7:
            if (folded_name<7>(name.data()) == folded("TIME_ON")) return AdifField::TimeOn;
            break;
        case 8: {
            const auto f = folded_name<8>(name.data());
            if (f == folded("QSO_DATE")) return AdifField::QsoDate;
            if (f == folded("RST_RCVD")) return AdifField::RstRcvd;
            if (f == folded("RST_SENT")) return AdifField::RstSent;
            break;
        }
        case 10: {
            const auto f = folded_name<10>(name.data());
            if (f == folded("GRIDSQUARE")) return AdifField::Gridsquare;
            if (f == folded("SRX_STRING")) return AdifField::SrxString;
            if (f == folded("STX_STRING")) return AdifField::StxString;
            break;
        }
        default: break;
    }
    return AdifField::Other;
}

// A text value into its work field in one pass: trimmed, line ends and NULs made blanks; a value
// of valid multi-byte UTF-8 is then converted (plain ASCII is the same in both encodings).
void assign_text(Text& target, std::string_view raw) {
    raw = trim_view(raw);
    target.resize(raw.size());
    copy_short(target.data(), raw.data(), raw.size());
    // Mostly plain ASCII without a control character: looked at eight bytes a step (the last
    // step padded with blanks), not rewritten.
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL, kBelowCr = 0x0E0E0E0E0E0E0E0EULL;
    std::uint64_t high = 0, control = 0;
    for (std::size_t k = 0; k < raw.size(); k += 8) {
        std::uint64_t w = 0x2020202020202020ULL;
        copy_short(reinterpret_cast<char*>(&w), raw.data() + k, std::min<std::size_t>(8, raw.size() - k));
        high |= w & kHigh;
        control |= (w - kBelowCr) & ~w & kHigh;  // a byte below 0x0E, among bytes below 0x80
    }
    if (high != 0 && looks_like_utf8(raw)) {
        assign_clean(target, utf8_to_cp1250(raw));
    } else if (control) {
        for (char& c : target) {
            if (c == '\r' || c == '\n' || c == '\0') c = ' ';
        }
    }
}

void read_adif(ChunkedText& in, const ImportSettings& settings, ImportResult& result,
               const ImportLineSink& sink) {
    ImportQso& q = result.state.work;
    Output out(settings, result, sink);
    AdifScanner scan;
    scan.reset(in.text(), adif_records_start(in.text(), in.ended()), in.ended());
    std::string_view name, raw;
    // A log's BAND is mostly the same record after record: its band is looked up when it changes.
    Text band_text;
    int band_of_text = 0;
    Text mode_text;
    std::string_view mode_of_text = import_mode({});
    // Every value of a record is its own: nothing goes on to the next record.
    int record_band = 0;     // the band of the record's BAND field; 0: none
    int frequency_band = 0;  // the band of its FREQ; 0: none, or a frequency outside every band
    Text srx_string, stx_string;
    auto start_record = [&] {
        q.clear();
        record_band = 0;
        frequency_band = 0;
        srx_string.clear();
        stx_string.clear();
    };
    start_record();
    for (;;) {
        const AdifScanner::Step step = scan.next(name, raw);
        if (step == AdifScanner::Step::End) break;
        if (step == AdifScanner::Step::More) {
            in.more(scan.position());
            scan.reset(in.text(), 0, in.ended());
            continue;
        }
        const AdifField field = adif_field(name);
        if (field == AdifField::Other) continue;
        if (field == AdifField::Eor) {
            if (q.callsign.empty()) {
                ++result.skipped.without_call;
            } else {
                // The frequency tells the band; BAND where it is missing or in no band.
                q.band.assign(band_names()[static_cast<std::size_t>(frequency_band != 0 ? frequency_band
                                                                                        : record_band)]);
                if (q.received_serial.empty()) q.received_serial.swap(srx_string);
                if (q.sent_serial.empty()) q.sent_serial.swap(stx_string);
                LineBuffer& line = out.line(result.state);
                append_contest_line(line, q, settings, false);
                out.add(line.view());
            }
            start_record();
            continue;
        }
        // Into the work field's own buffer: this runs for every field of every QSO. Dates, times,
        // numbers, band and mode words are read as they stand, text values by assign_text.
        switch (field) {
            case AdifField::Call:
                assign_text(q.callsign, raw);
                for (char& c : q.callsign) c = upper_ascii(c);
                break;
            case AdifField::QsoDate: {
                // YYYYMMDD as yyyy-mm-dd; what a shorter value has, with its dashes.
                const std::string_view d = trim_view(raw);
                const std::size_t n = std::min<std::size_t>(d.size(), 8);
                q.date.resize(n + (n > 4) + (n > 6));
                char* date = q.date.data();
                for (std::size_t k = 0; k < n; ++k) {
                    if (k == 4 || k == 6) *date++ = '-';
                    const char c = d[k];
                    *date++ = c == '\r' || c == '\n' || c == '\0' ? ' ' : c;
                }
                break;
            }
            case AdifField::TimeOn: assign_clean(q.time, raw); break;
            case AdifField::Freq: {
                const std::optional<long long> khz = adif_khz(trim_view(raw));
                q.frequency.clear();
                if (khz) {
                    std::array<char, 24> digits;
                    q.frequency.append(digits.data(),
                                       std::to_chars(digits.data(), digits.data() + digits.size(), *khz).ptr);
                }
                frequency_band = khz ? band_index_for_khz(static_cast<double>(*khz)) : 0;
                break;
            }
            case AdifField::Band:
                if (raw != band_text) {
                    band_text.assign(raw);
                    band_of_text = band_index_for_adif(raw);
                }
                record_band = band_of_text;
                break;
            case AdifField::Mode:
                // Mostly the same record after record, like the band.
                if (raw != mode_text) {
                    mode_text.assign(raw);
                    mode_of_text = import_mode(raw);
                }
                q.mode = mode_of_text;
                break;
            case AdifField::Name: assign_text(q.name, raw); break;
            case AdifField::RstRcvd: assign_text(q.received_report, raw); break;
            case AdifField::RstSent:
                assign_text(q.sent_report, raw);
                q.sent_report.resize(3, ' ');
                break;
            case AdifField::Srx: assign_text(q.received_serial, raw); break;
            case AdifField::SrxString: assign_text(srx_string, raw); break;
            case AdifField::Exchange: assign_text(q.exchange, raw); break;
            case AdifField::Stx: assign_text(q.sent_serial, raw); break;
            case AdifField::StxString: assign_text(stx_string, raw); break;
            case AdifField::Gridsquare: q.received_locator = import_locator(raw); break;
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

void read_callsign_list(ImportLines& cursor, const ImportSettings& settings, ImportResult& result,
                        const ImportLineSink& sink) {
    ImportQso& q = result.state.work;
    Output out(settings, result, sink);
    std::string_view line;
    cursor.next(line);  // the heading
    while (cursor.next(line)) {
        const std::vector<std::string_view> w = words_of(line);
        if (w.empty()) continue;
        auto value = [&w](std::size_t i) { return clean_value(word(w, i)); };
        q.date = value(0);
        q.time = value(1);
        q.band = callsign_list_band(value(2));
        q.mode = import_mode(value(3));
        q.callsign = upper_ascii(value(4));
        q.sent_report = pad_cut(value(5), 3);
        q.sent_serial = value(6);
        q.received_report = value(7);
        q.received_serial = value(8);
        q.points = int_value(value(9));
        q.received_locator = import_locator(value(10));
        LineBuffer& built = out.line(result.state);
        append_callsign_list_line(built, q);
        out.add(built.view());
    }
}

// A log file's lines after its first two, up to its "End", taken over unchanged.
void read_log_file_lines(ImportLines& cursor, const ImportSettings& settings, ImportResult& result,
                         const ImportLineSink& sink) {
    Output out(settings, result, sink);
    std::string_view line;
    if (!cursor.next(line) || line != "Log records:" || !cursor.next(line)) return;
    while (cursor.next(line) && line != "End") out.add(line.substr(0, kMaxLogLineLength));
}

}  // namespace

Text binary_input_message() {
    return hu(u8"A file bináris adatot tartalmaz, nem importálható!");
}

Result<std::string_view> import_input_view(std::string_view bytes) {
    if (bytes.find('\0') != std::string_view::npos) return fail(binary_input_message());
    if (starts_with(bytes, kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return bytes;
}

Result<Text> import_input(Text bytes) {
    const Result<std::string_view> input = import_input_view(bytes);
    if (!input) return fail(input.message());
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
    // The first line that holds anything: some writers begin with empty lines, and a Cabrillo
    // example with "#" comments.
    std::string_view first;
    LineCursor lines(input);
    while (lines.next(first) && (trim_view(first).empty() || starts_with(trim_view(first), "#"))) {
    }
    const std::string_view line = trim_view(first);
    // "[REGITEST;1]": a writer's typo of the EDI's first line.
    if (starts_with(line, "[REG1TEST;1]") || starts_with(line, "[REGITEST;1]")) return ImportFormat::Edi;
    if (starts_with(line, "START-OF-LOG")) return ImportFormat::Cabrillo;
    if (starts_with(line, "Log records:")) return ImportFormat::LogFile;
    if (starts_with(line, "Callsign")) return ImportFormat::CallsignList;
    // ADIF: a header whose first line begins with "ADIF", a file without a header (it starts with
    // a field), or any header text that an "<EOH>" ends.
    if (starts_with(upper_ascii(col(line, 1, 4)), "ADIF") || starts_with(line, "<"))
        return ImportFormat::Adif;
    if (upper_ascii(input.substr(0, kAdifHeaderSearch)).find("<EOH>") != Text::npos)
        return ImportFormat::Adif;
    return ImportFormat::Unknown;
}

ImportResult convert_import(const ImportRead& read, const ImportSettings& settings,
                            const ImportLineSink& sink) {
    ImportResult result;
    ChunkedText in(read);
    // Empty lines before the first line belong to no format.
    for (;;) {
        const std::string_view text = in.text();
        const std::size_t first = text.find_first_not_of(" \t\r\n");
        if (first != std::string_view::npos) {
            const std::size_t line_start = text.rfind('\n', first);
            in.drop(line_start == std::string_view::npos ? 0 : line_start + 1);
            break;
        }
        if (!in.more(text.size())) break;
    }
    // The format is told from the start of the input: its first line, or an ADIF header's end.
    while (in.text().size() < kAdifHeaderSearch && in.more(0)) {
    }
    if (in.binary()) {
        result.error = binary_input_message();
        return result;
    }
    if (trim_view(in.text()).empty()) {
        result.error = hu(u8"Nincs mit feldolgozni!");
        return result;
    }
    ImportLines lines(in);
    switch (detect_import_format(in.text())) {
        case ImportFormat::Edi: read_edi(lines, settings, result, sink); break;
        case ImportFormat::Cabrillo: read_cabrillo(lines, settings, result, sink); break;
        case ImportFormat::Adif: read_adif(in, settings, result, sink); break;
        case ImportFormat::LogFile: read_log_file_lines(lines, settings, result, sink); break;
        case ImportFormat::CallsignList: read_callsign_list(lines, settings, result, sink); break;
        case ImportFormat::Unknown: result.error = hu(u8"Ismeretlen formátum!"); break;
    }
    // Found past the first chunk: what was handed on is not to be kept.
    if (in.binary() && result.error.empty()) result.error = binary_input_message();
    return result;
}

ImportResult convert_import(std::string_view input, const ImportSettings& settings,
                            const ImportLineSink& sink) {
    return convert_import(read_from(input), settings, sink);
}

ImportResult convert_import(std::string_view input, const ImportSettings& settings) {
    std::vector<Text> lines;
    ImportResult result =
        convert_import(input, settings, [&lines](std::string_view line) { lines.emplace_back(line); });
    if (result.error.empty()) result.lines = std::move(lines);
    return result;
}

Text import_skipped_message(const ImportResult& result) {
    const ImportSkipped& skipped = result.skipped;
    if (skipped.total() == 0) return {};
    Text reasons;
    auto reason = [&reasons](std::size_t count, std::u8string_view why) {
        if (count == 0) return;
        if (!reasons.empty()) reasons += ", ";
        reasons += std::to_string(count) + " " + hu(why);
    };
    reason(skipped.without_call, u8"hívójel nélkül");
    reason(skipped.empty, u8"üres");
    return std::to_string(result.converted) + " QSO beolvasva, " + std::to_string(skipped.total()) +
           " rekord kihagyva: " + reasons + ".";
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
