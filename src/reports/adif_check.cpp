// The check of an ADIF text: every data specifier <NAME:LEN[:TYPE]> whole and its length true
// to the bytes, the header ended by <EOH>, every record ended by <EOR> and holding the fields a
// QSO needs, and the values of the enumerated fields taken from their lists.
#include <algorithm>
#include <map>

#include "reports/check_support.hpp"

namespace loxar {

namespace {

using namespace check;

// ADIF enumerations, upper-cased (ADIF compares them without regard to case).
constexpr std::string_view kBands[] = {
    "2190M", "630M", "560M", "160M", "80M",    "60M", "40M", "30M",   "20M",  "17M",  "15M",
    "12M",   "10M",  "8M",   "6M",   "5M",     "4M",  "2M",  "1.25M", "70CM", "33CM", "23CM",
    "13CM",  "9CM",  "6CM",  "3CM",  "1.25CM", "6MM", "4MM", "2.5MM", "2MM",  "1MM",  "SUBMM"};
// Modes, with the former modes ADIF still reads from older logs, and FT4, which many loggers
// write as a mode of its own.
constexpr std::string_view kModes[] = {
    "AM",      "ARDOP",   "ATV",      "CHIP",    "CLO",    "CONTESTI", "CW",      "DIGITALVOICE", "DOMINO",
    "DYNAMIC", "FAX",     "FM",       "FSK441",  "FT8",    "HELL",     "ISCAT",   "JT4",          "JT6M",
    "JT9",     "JT44",    "JT65",     "MFSK",    "MSK144", "MT63",     "OLIVIA",  "OPERA",        "PAC",
    "PAX",     "PKT",     "PSK",      "PSK2K",   "Q15",    "QRA64",    "ROS",     "RTTY",         "RTTYM",
    "SSB",     "SSTV",    "T10",      "THOR",    "THRB",   "TOR",      "V4",      "VOICE",        "WINMOR",
    "WSPR",    "FT4",     "AMTORFEC", "ASCI",    "C4FM",   "CHIP64",   "CHIP128", "DOMINOF",      "DSTAR",
    "FMHELL",  "FSK31",   "GTOR",     "HELL80",  "HFSK",   "JT4A",     "JT4B",    "JT4C",         "JT4D",
    "JT4E",    "JT4F",    "JT4G",     "JT65A",   "JT65B",  "JT65C",    "MFSK8",   "MFSK16",       "PAC2",
    "PAC3",    "PAX2",    "PCW",      "PSK10",   "PSK31",  "PSK63",    "PSK63F",  "PSK125",       "PSKAM10",
    "PSKAM31", "PSKAM50", "PSKFEC31", "PSKHELL", "QPSK31", "QPSK63",   "QPSK125", "THRBX"};
constexpr std::string_view kContinents[] = {"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
constexpr std::string_view kQslReceived[] = {"Y", "N", "R", "I", "V"};
constexpr std::string_view kQslSent[] = {"Y", "N", "R", "Q", "I"};

struct Enumerated {
    std::string_view field;
    const std::string_view* begin;
    const std::string_view* end;
};

template <std::size_t N>
Enumerated enumerated(std::string_view field, const std::string_view (&list)[N]) {
    return {field, list, list + N};
}

const std::vector<Enumerated>& enumerated_fields() {
    static const std::vector<Enumerated> fields = {
        enumerated("BAND", kBands),           enumerated("BAND_RX", kBands),
        enumerated("MODE", kModes),           enumerated("CONT", kContinents),
        enumerated("QSL_RCVD", kQslReceived), enumerated("QSL_SENT", kQslSent),
    };
    return fields;
}

struct Field {
    long line = 0;
    Text name;  // upper-cased
    Text value;
};

// Line numbers of byte offsets, counted forward as the parse moves on.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    long at(std::size_t offset) {
        for (; pos_ < offset && pos_ < text_.size(); ++pos_) {
            const char c = text_[pos_];
            if (c == '\n' || (c == '\r' && (pos_ + 1 >= text_.size() || text_[pos_ + 1] != '\n'))) ++line_;
        }
        return line_;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    long line_ = 1;
};

bool name_char(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || is_digit(c) || c == '_';
}

// Whether a data specifier or <EOH>/<EOR> starts at `at`: what a value running past its end
// would swallow.
bool specifier_at(std::string_view text, std::size_t at) {
    std::size_t i = at + 1;
    while (i < text.size() && name_char(text[i])) ++i;
    return i > at + 1 && i < text.size() && (text[i] == ':' || text[i] == '>');
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The bytes of a value of `len`: ADIF counts bytes, but writers of UTF-8 count characters; a
// value that ends inside a word by bytes and at its end by characters was counted so.
std::size_t value_size(std::string_view text, std::size_t pos, std::size_t len) {
    const auto ends_here = [&text](std::size_t at) {
        return at >= text.size() || is_space(text[at]) || text[at] == '<';
    };
    if (ends_here(pos + len)) return len;
    std::size_t at = pos;
    for (std::size_t chars = 0; chars < len && at < text.size(); ++chars) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    }
    return ends_here(at) ? at - pos : len;
}

void check_value(const Field& f, Findings& out) {
    auto bad = [&](void) {
        out.add(f.line, hu(u8"a(z) ") + f.name + hu(u8" értéke nem érvényes: ") + quoted(f.value));
    };
    const Text v = upper(trim(f.value));
    if (v.empty()) return;
    if (f.name == "QSO_DATE" || f.name == "QSO_DATE_OFF") {
        if (!valid_yyyymmdd(v)) bad();
    } else if (f.name == "TIME_ON" || f.name == "TIME_OFF") {
        if (!valid_hhmm(v, true)) bad();
    } else if (f.name == "FREQ" || f.name == "FREQ_RX") {
        if (!is_numeric(v)) bad();
    }
    for (const Enumerated& e : enumerated_fields()) {
        if (e.field == f.name && std::find(e.begin, e.end, v) == e.end) bad();
    }
}

void check_record(const std::vector<Field>& record, Findings& out) {
    std::map<Text, Text> have;
    for (const Field& f : record) {
        have[f.name] = trim(f.value);
        check_value(f, out);
    }
    auto missing = [&have](std::string_view name) {
        const auto it = have.find(Text(name));
        return it == have.end() || it->second.empty();
    };
    const long line = record.front().line;
    for (std::string_view name : {"CALL", "QSO_DATE", "TIME_ON", "MODE"}) {
        if (missing(name)) out.add(line, hu(u8"a rekordból hiányzik a(z) ") + Text(name) + hu(u8" mező"));
    }
    if (missing("BAND") && missing("FREQ")) out.add(line, hu(u8"a rekordból hiányzik a BAND és a FREQ mező"));
}

}  // namespace

std::vector<Finding> check_adif(std::string_view text) {
    Findings out;
    LineCounter lines(text);
    // Everything before <EOH> is the header; a text without one starts with its records.
    const bool has_header = upper(text).find("<EOH>") != Text::npos;
    bool in_header = has_header;
    std::vector<Field> record;
    std::size_t pos = 0;
    while (true) {
        const std::size_t open = text.find('<', pos);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find('>', open);
        if (close == std::string_view::npos) {
            out.add(lines.at(open), hu(u8"befejezetlen adatmező jelölés"));
            break;
        }
        const Text specifier(text.substr(open + 1, close - open - 1));
        const std::size_t colon = specifier.find(':');
        const Text name = upper(trim(specifier.substr(0, colon)));
        pos = close + 1;
        // Text between specifiers is ignored, and may hold a "<" of its own (a header line, a
        // comment); so is a tag without a length, as some loggers write into the header.
        if (name.empty() || !std::all_of(name.begin(), name.end(), name_char)) continue;
        if (colon == Text::npos) {
            if (name == "EOH") {
                in_header = false;
                record.clear();
            } else if (name == "EOR" && !in_header) {
                if (record.empty()) {
                    out.add(lines.at(open), hu(u8"üres rekord"));
                } else {
                    check_record(record, out);
                }
                record.clear();
            }
            continue;
        }
        Text length = specifier.substr(colon + 1);
        length = length.substr(0, length.find(':'));
        const auto len = whole_number(trim(length));
        const long line = lines.at(open);
        if (!len) {
            out.add(line, hu(u8"a(z) ") + name + hu(u8" hossza nem szám"));
            continue;
        }
        if (*len > static_cast<long long>(text.size() - pos)) {
            out.add(line, hu(u8"a(z) ") + name + hu(u8" hossza túlnyúlik a file végén"));
            break;
        }
        const std::size_t size = value_size(text, pos, static_cast<std::size_t>(*len));
        const std::string_view value = text.substr(pos, size);
        for (std::size_t i = value.find('<'); i != std::string_view::npos; i = value.find('<', i + 1)) {
            if (specifier_at(text, pos + i)) {
                out.add(line, hu(u8"a(z) ") + name + hu(u8" hossza nagyobb az értékénél"));
                break;
            }
        }
        pos += size;
        // A value cut short leaves its end stuck to it; a comment after a value stands apart.
        if (pos < text.size() && !is_space(text[pos]) && text[pos] != '<') {
            out.add(line, hu(u8"a(z) ") + name + hu(u8" hossza kisebb az értékénél"));
        }
        if (!in_header) record.push_back({line, name, Text(value)});
    }
    if (!record.empty()) out.add(record.front().line, hu(u8"a rekord nincs lezárva <EOR>-ral"));
    const Text start = trim(text.substr(0, 1024));
    if (!has_header && !start.empty() && start.front() != '<') {
        out.add(1, hu(u8"hiányzik az <EOH> a fejléc végéről"));
    }
    return out.take();
}

}  // namespace loxar
