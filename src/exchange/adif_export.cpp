// ADIF export: one record per log line, its fields taken by name from the line's layout.
#include "exchange/adif_export.hpp"

#include <string_view>
#include <vector>

#include "model/bands.hpp"
#include "model/file_io.hpp"
#include "model/log_fields.hpp"
#include "model/qso_line.hpp"
#include "reports/adif_report.hpp"

namespace loxar {

namespace {

using enum Field;
using T = ContestType;

constexpr std::string_view kSix = "      ";
constexpr std::string_view kEoh = "<EOH>";
constexpr std::string_view kEor = "<EOR>";
constexpr std::string_view kSixEor = "      <EOR>";

// Reports and serials: a number written as plain digits ("059" -> 59, "0012" -> 12); anything
// else ("5NN", an exchange text) as its trimmed text rather than a made-up number.
Text as_number(std::string_view column_text) {
    const std::string_view t = trim_view(column_text);
    // The usual case, plain digits, without going through a floating-point value.
    if (!t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos) {
        const std::size_t first = t.find_first_not_of('0');
        return first == std::string_view::npos ? Text("0") : Text(t.substr(first));
    }
    return is_numeric(t) ? std::to_string(int_value(t)) : Text(t);
}

// The ADIF band of the band-table entry the band field names ("145 MHz" -> "2m"); empty for a
// field that names none (a frequency, a damaged line).
std::string_view adif_band(std::string_view band_field) {
    // Trimmed once: the lookup runs for every QSO of the log.
    static const std::vector<Text> names = [] {
        std::vector<Text> out;
        for (int i = 0; i < kBandCount; ++i) out.push_back(trim(band_name(i)));
        return out;
    }();
    const std::string_view band = trim_view(band_field);
    for (int i = 0; i < kBandCount; ++i) {
        if (names[static_cast<std::size_t>(i)] == band) return adif_band_name(i);
    }
    return {};
}

// "AA00AA" stands for a locator that was never received; it is no square to pass on.
std::string_view square(std::string_view locator) {
    const std::string_view l = trim_view(locator);
    return l.empty() || std::string_view(kNoLocator).starts_with(l) ? std::string_view() : l;
}

// One line of the text, its fields appended in turn into the writer's buffer.
class Line {
public:
    explicit Line(Text& text) : text_(text) {}
    // ADIF counts the bytes of a value, which a cp1250 text has one per character; a line break
    // inside a value would end the record line, so it goes out as a blank.
    Line& f(std::string_view name, std::string_view value) {
        if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
            append_adif_field(text_, name, one_line(value));
        } else {
            append_adif_field(text_, name, value);
        }
        return *this;
    }
    // A field left out when its value is empty.
    Line& f_if(std::string_view name, std::string_view value) {
        return value.empty() ? *this : f(name, value);
    }

private:
    Text& text_;
};

// SRX and STX are ADIF integers: a serial goes out as digits (as its number unless `as_is`),
// anything else, an exchange text, under SRX_STRING / STX_STRING.
void serial(Line& l, bool sent_side, std::string_view column_text, bool as_is = false) {
    const std::string_view t = trim_view(column_text);
    if (t.find_first_not_of("0123456789") == std::string_view::npos) {
        l.f(sent_side ? "STX" : "SRX", as_is ? Text(t) : as_number(t));
    } else {
        l.f(sent_side ? "STX_STRING" : "SRX_STRING", t);
    }
}

// Where the finished lines go: a list for the panel or one text for a file. One buffer serves
// every line, so a line costs no text of its own on the way to a file.
class Out {
public:
    using Emit = void (*)(void* target, std::string_view line);
    Out(Emit emit, void* target) : emit_(emit), target_(target) {}
    Line start(std::string_view s = {}) {
        buf_.assign(s);
        return Line(buf_);
    }
    void end() { emit_(target_, buf_); }
    void line(std::string_view l) { emit_(target_, l); }

private:
    Emit emit_;
    void* target_;
    Text buf_;
};

class Record {
public:
    Record(const Text& line, LineLayout layout) : line_(line), layout_(layout) {}

    std::string_view get(Field fld) const { return field_view(line_, layout_, fld); }
    std::string_view trimmed(Field fld) const { return trim_view(get(fld)); }
    // The first `n` columns of a field, trimmed: the export's own cut of a longer field.
    std::string_view first(Field fld, std::size_t n) const { return trim_view(get(fld).substr(0, n)); }

    Line date_time(Line l) const {
        l.f("QSO_DATE", adif_date(get(Date))).f("TIME_ON", adif_time(get(Time)));
        return l;
    }
    Line band_mode(Line l) const {
        l.f("BAND", adif_band(get(Band))).f("MODE", trimmed(Mode));
        return l;
    }

private:
    const Text& line_;
    LineLayout layout_;
};

// The sent (before RST_RCVD) or received (after it) exchange field of the general layout.
void general_exchange(Line& l, const Record& r, T type, bool sent_side) {
    const std::string_view v = r.get(sent_side ? SentSerial : ReceivedSerial);
    const char* const string_name = sent_side ? "STX_STRING" : "SRX_STRING";
    switch (type) {
        case T::Iaru:
        case T::CqBp: serial(l, sent_side, v); break;
        case T::Exchange: serial(l, sent_side, v, !sent_side); break;
        case T::RudxAll:
        case T::RudxTwo:
            if (sent_side)
                serial(l, sent_side, v);
            else
                l.f(string_name, trim_view(v));
            break;
        case T::YlOm: l.f(string_name, as_number(v)); break;
        // The sent exchange of these is the two-character county or oblast code.
        case T::Hadx:
        case T::RhOb: l.f(string_name, trim_view(sent_side ? v.substr(0, 2) : v)); break;
        // Serial and category letter as they stand ("015B").
        case T::Hskc: l.f(string_name, v); break;
        default: break;
    }
}

void general_locator(Line& l, const Record& r, T type) {
    if (type == T::Iaru || type == T::CqBp) {
        l.f_if("GRIDSQUARE", square(r.get(ReceivedLocator))).f("DISTANCE", as_number(r.get(Distance)));
    }
    // CQ-WW-VHF counts squares: the locator's first four characters.
    if (type == T::CqwwVhf) l.f_if("GRIDSQUARE", square(r.first(ReceivedLocator, 4)));
}

void own_station_line(Out& o, const ExportStation& own) {
    o.start()
        .f("STATION_CALLSIGN", trim_view(own.call))
        .f("MY_NAME", trim_view(own.name))
        .f("MY_CITY", trim_view(own.qth))
        .f("MY_GRIDSQUARE", trim_view(own.locator));
    o.end();
}

void general_record(Out& o, const Record& r, T type, const ExportStation& own) {
    own_station_line(o, own);
    r.date_time(o.start(kSix)).f("CALL", r.trimmed(Call)).f_if("NAME", r.trimmed(ReceivedName));
    o.end();
    Line l3 = r.band_mode(o.start(kSix));
    // CQ-WW-VHF exchanges no report: a line holds "000" or blanks in its place, no report to
    // pass on.
    auto report = [&](const char* name, Field fld) {
        const Text v = as_number(r.get(fld));
        if (type != T::CqwwVhf || (!v.empty() && v != "0")) l3.f(name, v);
    };
    report("RST_SENT", SentReport);
    general_exchange(l3, r, type, true);
    report("RST_RCVD", ReceivedReport);
    general_exchange(l3, r, type, false);
    general_locator(l3, r, type);
    o.end();
    o.line(kEor);
}

// HA-QRP and DX; NMARK lines hold the same values (callsign, reports, names, QTHs) in their own
// columns, so they go out in the same form.
void qrp_record(Out& o, const Record& r, const ExportStation& own) {
    r.band_mode(r.date_time(o.start()));
    o.end();
    // The own name and QTH as their first 10 and 16 columns, the received QTH as its first 20.
    o.start(kSix)
        .f("STATION_CALLSIGN", trim_view(own.call))
        .f("RST_SENT", as_number(r.get(SentReport)))
        .f("MY_NAME", r.first(OwnName, 10))
        .f("MY_CITY", r.first(OwnQth, 16));
    o.end();
    o.start(kSix)
        .f("CALL", r.trimmed(Call))
        .f("RST_RCVD", as_number(r.get(ReceivedReport)))
        .f_if("NAME", r.trimmed(ReceivedName))
        .f_if("QTH", r.first(ReceivedQth, 20));
    o.end();
    o.line(kSixEor);
}

void skm_record(Out& o, const Record& r, const ExportStation& own) {
    r.band_mode(r.date_time(o.start()));
    o.end();
    o.start(kSix)
        .f("STATION_CALLSIGN", trim_view(own.call))
        .f("RST_SENT", as_number(r.get(SentReport)))
        .f("MY_NAME", r.first(OwnName, 10))
        .f("STX_STRING", r.trimmed(SentSerial));
    o.end();
    o.start(kSix)
        .f("CALL", r.trimmed(Call))
        .f("RST_RCVD", as_number(r.get(ReceivedReport)))
        .f("SRX_STRING", r.trimmed(ReceivedSerial));
    o.end();
    o.line(kEor);
}

// A listener's line: the own station is the listener; the first heard station is the CALL,
// with its report as RST_RCVD and its serial as SRX (SRX_STRING when it is no number, nothing
// when there is none); the second heard station, its report and serial go into COMMENT
// ("HA2BBB 057 00007"). Nothing was sent, so there is no RST_SENT.
void swl_record(Out& o, const Record& r, const ExportStation& own) {
    Text second(r.trimmed(Call2));
    for (Field fld : {SentReport, SentSerial}) {
        const std::string_view v = r.trimmed(fld);
        if (v.empty()) continue;
        if (!second.empty()) second += ' ';
        second += v;
    }
    const std::string_view received = r.trimmed(ReceivedSerial);
    own_station_line(o, own);
    r.date_time(o.start(kSix)).f("CALL", r.trimmed(Call)).f_if("COMMENT", second);
    o.end();
    Line l3 = r.band_mode(o.start(kSix));
    l3.f("RST_RCVD", as_number(r.get(ReceivedReport)));
    if (!received.empty()) serial(l3, false, received);
    o.end();
    o.line(kEor);
}

void build(Out& o, const std::vector<Text>& log_lines, ContestType type, const ExportStation& own) {
    o.line(kAdifCreatedLine);
    o.line(kEoh);
    const LineLayout layout = layout_of(type);
    for (const Text& line : log_lines) {
        const Record r(line, layout);
        switch (layout) {
            case LineLayout::Qrp:
            case LineLayout::Nmark: qrp_record(o, r, own); break;
            case LineLayout::Skm: skm_record(o, r, own); break;
            case LineLayout::Swl: swl_record(o, r, own); break;
            case LineLayout::General: general_record(o, r, type, own); break;
        }
    }
}

}  // namespace

std::vector<Text> adif_export_lines(const std::vector<Text>& log_lines, ContestType type,
                                    const ExportStation& own) {
    std::vector<Text> lines;
    lines.reserve(2 + 4 * log_lines.size());
    Out o([](void* t, std::string_view l) { static_cast<std::vector<Text>*>(t)->emplace_back(l); }, &lines);
    build(o, log_lines, type, own);
    return lines;
}

Text adif_export_text(const std::vector<Text>& log_lines, ContestType type, const ExportStation& own) {
    Text text;
    text.reserve(64 + 360 * log_lines.size());
    Out o(
        [](void* t, std::string_view l) {
            Text& out = *static_cast<Text*>(t);
            out += l;
            out += kCrLf;
        },
        &text);
    build(o, log_lines, type, own);
    return text;
}

}  // namespace loxar
