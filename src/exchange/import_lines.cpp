// Log import: the line builders. Every value is cut to its column, so every line has its layout's
// separators in place whatever the input held.
#include "exchange/import_lines.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/bands.hpp"
#include "model/qso_line.hpp"
#include "rules/locator.hpp"

namespace loxar {

namespace {

constexpr short kSecondsStep = 10;
constexpr short kLastSecond = 59;

// A line put together left to right in the caller's buffer: each value blank-padded and cut to
// its width, each separator as it stands.
class Line {
public:
    explicit Line(LineBuffer& line) : line_(line) {}
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;

    Line& operator()(std::string_view value, std::size_t width) {
        if (fits(width)) {
            // Blanks over the whole width first, a copy of fixed size; then the value on them.
            char* out = line_.bytes.data() + line_.size;
            std::memset(out, ' ', width);
            copy_short(out, value.data(), std::min(value.size(), width));
            line_.size += width;
        }
        return *this;
    }
    // A separator or fixed text: its length known where it is written.
    template <std::size_t N>
    Line& operator()(const char (&literal)[N]) {
        if (fits(N - 1)) {
            std::memcpy(line_.bytes.data() + line_.size, literal, N - 1);
            line_.size += N - 1;
        }
        return *this;
    }
    Line& operator()(std::string_view text) { return (*this)(text, text.size()); }
    // A numeric serial as 4 digits with leading zeros, any other text cut to 4.
    Line& serial4(const Text& v) {
        std::string_view t = trim_view(v);
        if (!t.empty() && t.size() <= 4 && all_digits(t)) {
            // The commonest case: zeros in front of what is there.
            std::array<char, 4> digits{'0', '0', '0', '0'};
            copy_short(digits.data() + 4 - t.size(), t.data(), t.size());
            return (*this)(std::string_view(digits.data(), digits.size()));
        }
        if (!all_digits(t)) {
            const std::optional<Text> digits = zero_padded_number(v, 4);
            return (*this)(digits ? std::string_view(*digits) : t, 4);
        }
        // The common case, a run of digits, without a number conversion: its own leading zeros
        // dropped, then zeros to 4 digits.
        t.remove_prefix(std::min(t.find_first_not_of('0'), t.size()));
        const std::size_t zeros = 4 - std::min<std::size_t>(4, t.size());
        std::array<char, 4> digits;
        std::fill_n(digits.begin(), zeros, '0');
        std::copy_n(t.data(), 4 - zeros, digits.begin() + static_cast<std::ptrdiff_t>(zeros));
        return (*this)(std::string_view(digits.data(), digits.size()));
    }

private:
    // Room for n more bytes; a write that has none is left out, which no layout's line comes near.
    bool fits(std::size_t n) const { return n <= line_.bytes.size() - line_.size; }

    LineBuffer& line_;
};

Text points5(long points) {
    return zero_pad(std::clamp(points, 0L, 99999L), 5);
}

// The mode and its "=", the mode as import_mode gives it; made on the stack, for every line.
struct ModeGroup {
    std::array<char, 4> text{' ', ' ', ' ', '='};
    operator std::string_view() const { return {text.data(), text.size()}; }
};

ModeGroup mode_group(const Text& mode) {
    ModeGroup g;
    std::copy_n(mode.data(), std::min<std::size_t>(3, mode.size()), g.text.begin());
    return g;
}

// HHMM of a time text; a short numeric one gets its leading zeros ("930" is 09:30).
std::array<char, 4> hhmm(const Text& time) {
    const std::string_view t = trim_view(time).substr(0, 4);
    const std::size_t zeros = all_digits(t) ? 4 - t.size() : 0;
    std::array<char, 4> out;
    out.fill(' ');
    std::fill_n(out.begin(), zeros, '0');
    std::copy(t.begin(), t.end(), out.begin() + static_cast<std::ptrdiff_t>(zeros));
    return out;
}

const Text& locator_or_none(const Text& locator) {
    return locator.empty() ? kNoLocator : locator;
}

// The general builder's serials: the exchange stands for the received serial in HADX and RUDX,
// the own exchange for the sent serial in HADX.
const Text& received_serial(const ImportQso& q, ContestType type) {
    const bool exchange_contest =
        type == ContestType::Hadx || type == ContestType::RudxAll || type == ContestType::RudxTwo;
    return exchange_contest && !q.exchange.empty() ? q.exchange : q.received_serial;
}

void general_line(LineBuffer& line, const ImportQso& q, const ImportSettings& st) {
    const Text own_exchange = st.type == ContestType::Hadx ? clean_value(st.exch_text) : Text();
    const Text& sent = st.type == ContestType::Hadx ? own_exchange : q.sent_serial;
    Line{line}("=")(q.callsign, 20)("=")(q.received_report, 3)("/")
        .serial4(received_serial(q, st.type))("/")(locator_or_none(q.received_locator), 6)("/.=")(
            q.sent_report, 3)("/")
        .serial4(sent)("/")(mode_group(q.mode))(".=--/--/00001=00001=")(q.name, 14)("=")(q.band, 7)("=");
}

void qrp_line(LineBuffer& line, const ImportQso& q, const ImportSettings& st) {
    Line{line}("=")(q.callsign, 16)("=")(q.received_report, 3)("/")(q.name, 14)("/")("", 21)("=")(
        q.sent_report, 3)("=")(mode_group(q.mode))("00001=")(clean_value(st.kezelo_text), 10)("=2=N=")(
        q.band, 7)("=")(one_line(st.qth_text), 19);
}

void skm_line(LineBuffer& line, const ImportQso& q, const ImportSettings& st) {
    Line{line}("=")(q.callsign, 13)("=")(q.received_report, 3)("/")("SILENT-KEY", 13)("=")(
        q.sent_report, 3)("=")(clean_value(st.exch_text), 13)("=")(mode_group(q.mode))("--/--/00001=00001=")(
        clean_value(st.kezelo_text), 14)("=")(q.band, 7)("=28=");
}

// The band of a CQWW-VHF line: the frequency word's band, "XXXXXXX" for one that names none.
std::string_view cqww_band(const ImportQso& q) {
    return trim(q.band) == trim(band_name(0)) ? std::string_view("XXXXXXX") : std::string_view(q.band);
}

void cqww_line(LineBuffer& line, const ImportQso& q, const ImportSettings& st) {
    Line{line}("=")(q.callsign, 20)("=")(q.received_report, 3)("/0000/")(
        locator_or_none(q.received_locator), 6)("/.=000/0000=")(mode_group(q.mode))(".=00001/00001=00000=")(
        clean_value(st.kezelo_text), 14)("=")(cqww_band(q), 7)("=");
}

}  // namespace

std::string_view import_mode(std::string_view word) {
    static const std::pair<std::string_view, std::string_view> kModes[] = {
        {"CW", "CW "}, {"CWR", "CW "}, {"SSB", "SSB"},  {"USB", "SSB"}, {"LSB", "SSB"},
        {"PH", "SSB"}, {"FM", "FM "},  {"WFM", "FM "},  {"AM", "AM "},  {"RTTY", "RTT"},
        {"RY", "RTT"}, {"RTT", "RTT"}, {"SSTV", "SST"}, {"SST", "SST"}, {"ATV", "ATV"},
    };
    const std::string_view w = trim_view(word);
    if (w.empty()) return "   ";
    for (const auto& [name, mode] : kModes) {
        if (w.size() == name.size() &&
            std::equal(w.begin(), w.end(), name.begin(), [](char a, char b) { return upper_hu(a) == b; })) {
            return mode;
        }
    }
    return "DIG";
}

Text import_locator(std::string_view v) {
    Text locator = upper_hu(trim_view(v));
    locator.resize(locator.size() >= 6 ? 6 : std::min<std::size_t>(locator.size(), 4));
    return locator_format_ok(locator) ? locator : kNoLocator;
}

Text clean_value(std::string_view v) {
    Text out;
    assign_clean(out, v);
    return out;
}

void assign_clean(Text& target, std::string_view v) {
    v = trim_view(v);
    // Into the buffer the field already has; the line ends and NULs a value seldom holds are
    // looked for among the control characters only.
    target.assign(v.data(), v.size());
    for (char& c : target) {
        if (static_cast<unsigned char>(c) <= '\r' && (c == '\r' || c == '\n' || c == '\0')) c = ' ';
    }
}

void append_date_time(LineBuffer& line, ImportState& state) {
    const std::array<char, 4> digits = hhmm(state.work.time);
    const std::string_view time(digits.data(), digits.size());
    if (time == state.previous_time) {
        // Past the sixth QSO of a minute the seconds go on one by one and stop at 59.
        state.seconds = state.seconds + kSecondsStep <= kLastSecond - 9
                            ? static_cast<short>(state.seconds + kSecondsStep)
                            : std::min(static_cast<short>(state.seconds + 1), kLastSecond);
    } else {
        state.seconds = 0;
        state.previous_time = time;
    }
    const char seconds[] = {static_cast<char>('0' + state.seconds / 10),
                            static_cast<char>('0' + state.seconds % 10)};
    Line{line}(state.work.date,
               10)("/")(time.substr(0, 2))(":")(time.substr(2, 2))(":")(std::string_view(seconds, 2));
}

void append_edi_line(LineBuffer& line, const ImportQso& q) {
    const Text points = points5(q.points);
    Line{line}("=")(q.callsign, 20)("=")(q.received_report, 3)("/")
        .serial4(q.received_serial)("/")(locator_or_none(q.received_locator), 6)("/.=")(q.sent_report, 3)("/")
        .serial4(q.sent_serial)("/")(q.mode, 3)("=.=")(points)("/")(points)("=00001=")("", 14)("=")(q.band,
                                                                                                    7)("=");
}

void append_contest_line(LineBuffer& line, const ImportQso& q, const ImportSettings& st, bool cqww_builder) {
    // The line follows the type's layout; SWL takes the general builder's line.
    switch (layout_of(st.type)) {
        case LineLayout::Qrp:
        case LineLayout::Nmark: qrp_line(line, q, st); break;
        case LineLayout::Skm: skm_line(line, q, st); break;
        case LineLayout::General:
        case LineLayout::Swl:
            if (cqww_builder && st.type == ContestType::CqwwVhf) {
                cqww_line(line, q, st);
            } else {
                general_line(line, q, st);
            }
            break;
    }
}

void append_callsign_list_line(LineBuffer& line, const ImportQso& q) {
    const Text points = points5(q.points);
    Line{line}("=")(q.callsign, 20)("=")(q.received_report, 3)("/")
        .serial4(q.received_serial)("/")(locator_or_none(q.received_locator), 6)("/.=")(q.sent_report, 3)("/")
        .serial4(q.sent_serial)("/")(mode_group(q.mode))(".=--/--/")(points)("=")(points)("=")("", 14)("=")(
            q.band, 7)("=");
}

}  // namespace loxar
