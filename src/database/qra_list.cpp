// The working list of the "Hívójel lista" panel: records, ".qra" files, adding and merging.
#include "database/qra_list.hpp"

#include <algorithm>

#include "database/callsign_db.hpp"
#include "model/file_io.hpp"
#include "model/log_fields.hpp"

namespace loxar {

namespace {

using namespace qra_col;

constexpr std::string_view kNoLocator = "AA00AA";

std::vector<std::string_view> split_at(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t at = s.find(sep);
        parts.push_back(s.substr(0, at));
        if (at == std::string_view::npos) return parts;
        s.remove_prefix(at + 1);
    }
}

// Empty and "NONE" both mean that the datum is not given.
bool given(const Text& v) {
    return !v.empty() && v != kNone;
}

Text or_none(const Text& v) {
    return v.empty() ? Text(kNone) : v;
}

// A HADXC number as three digits, the number its leading digits make ("12a" -> "012");
// nothing unless that is a number from 1 to 999.
std::optional<Text> hadxc_of(std::string_view v) {
    const Text t = trim(v);
    std::string_view digits(t);
    digits = digits.substr(0, std::min(digits.find_first_not_of("0123456789"), digits.size()));
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty() || digits.size() > kHadxcWidth) return std::nullopt;
    return zero_pad(int_value(digits), kHadxcWidth);
}

bool real_locator(const Text& loc) {
    return !loc.empty() && loc != kNoLocator;
}

// The record of the values with `locators` as the text of its locator columns.
Text record_of(const QraValues& v, std::string_view locators) {
    return pad_cut(v.call, kCallWidth) + pad_cut(locators, kLocatorsWidth) + pad_cut(v.name, kNameWidth) +
           pad_cut(v.qth, kQthWidth) + pad_cut(v.exchange, kExchangeWidth) +
           (v.nmark == "Igen" ? "Igen" : "Nem") + "    " + v.hadxc;
}

Text locator_columns(const Text& record) {
    return trim(col(record, kLocators, kLocatorsWidth));
}

// A file's locators field as its record keeps it: unchanged while every part is a locator (the
// empty part after a closing "," aside), so that the file saved again keeps its bytes; otherwise
// only the parts of 4 or more characters, each followed by ",".
Text file_locators(std::string_view field) {
    const Text t = trim(field);
    const std::vector<std::string_view> parts = split_at(t, ',');
    Text kept;
    bool dropped = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Text loc = trim(parts[i]);
        if (loc.size() >= 4) {
            kept += loc + ",";
        } else if (!loc.empty() || i + 1 < parts.size()) {
            dropped = true;
        }
    }
    return dropped ? kept : t;
}

}  // namespace

Text qra_list_heading() {
    return hu(
        u8"Hívójel           QRA1    QRA2     QRA3    QRA4      Név             QTH                Exch  NMARK    HADXC");
}

Text qra_record(const QraValues& v) {
    Text locators;
    const std::size_t n = std::min(v.locators.size(), kSlots);
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0) locators += ',';
        locators += pad_cut(v.locators[k], kSlotWidth);
    }
    if (locators.empty()) locators = Text(kNoLocator);
    // A record built anew says "NONE" for what is not given; only a file's own empty field stays
    // blank (parse_qra_list).
    QraValues shown = v;
    for (Text* t : {&shown.name, &shown.qth, &shown.exchange}) *t = or_none(*t);
    return record_of(shown, locators);
}

QraValues qra_values(const Text& record) {
    QraValues v;
    v.call = trim(col(record, kCall, kCallWidth));
    // Split at ",": a record read from a file holds the file's locators, not 6-character slots.
    const Text locators = locator_columns(record);
    for (std::string_view part : split_at(locators, ',')) {
        Text loc = trim(part);
        if (real_locator(loc)) v.locators.push_back(std::move(loc));
    }
    // A blank field stays blank: the file's empty field, which is not "NONE".
    v.name = trim(col(record, kName, kNameWidth));
    v.qth = trim(col(record, kQth, kQthWidth));
    v.exchange = trim(col(record, kExchange, kExchangeWidth));
    if (record.size() >= kTail + kHadxcWidth) {
        const std::size_t tail_end = record.size() - kHadxcWidth;
        v.nmark = trim(std::string_view(record).substr(kTail - 1, tail_end - (kTail - 1))) == "Igen" ? "Igen"
                                                                                                     : "Nem";
        v.hadxc = hadxc_of(std::string_view(record).substr(tail_end)).value_or(Text(kNoHadxc));
    }
    return v;
}

std::optional<QraListRead> parse_qra_list(std::string_view bytes) {
    LineCursor cursor(bytes);
    std::string_view line;
    if (!cursor.next(line) || trim(input_to_cp1250(line)) != kQraHeader) return std::nullopt;
    QraListRead out;
    while (cursor.next(line)) {
        const Text converted = input_to_cp1250(line);
        const std::vector<std::string_view> f = split_at(converted, ';');
        if (f.size() < 2) continue;
        if (out.records.size() >= kMaxDatabaseRecords) {
            ++out.left_out;
            continue;
        }
        QraValues v;
        v.call = trim(f[0]);
        auto text_field = [&f](std::size_t i) { return i < f.size() ? trim(f[i]) : Text(kNone); };
        v.name = text_field(2);
        v.qth = text_field(3);
        v.exchange = text_field(4);
        v.nmark = f.size() > 5 && trim(f[5]) == "Igen" ? "Igen" : "Nem";
        v.hadxc = f.size() > 6 ? hadxc_of(f[6]).value_or(Text(kNoHadxc)) : Text(kNoHadxc);
        out.records.push_back(record_of(v, file_locators(f[1])));
    }
    return out;
}

Text qra_file_text(const std::vector<Text>& records) {
    Text out = Text(kQraHeader) + kCrLf;
    out.reserve(records.size() * 80);
    for (const Text& r : records) {
        const QraValues v = qra_values(r);
        out += v.call + ";" + locator_columns(r) + ";" + v.name + ";" + v.qth + ";" + v.exchange + ";" +
               v.nmark + ";" + v.hadxc + kCrLf;
    }
    return out;
}

Text merged_record(const std::optional<Text>& found, const QraEntry& e, IrasFunkcio f,
                   const ExchangeQuestion& ask) {
    const bool keep_old = found.has_value() && f != IrasFunkcio::Overwrite;
    QraValues old;
    if (keep_old) old = qra_values(*found);

    QraValues v;
    v.call = trim(e.call);
    // The station's own locators first (a file may have given it a fifth), then the fields'; of
    // equal ones only the last stays.
    std::vector<Text> slots(old.locators.begin(),
                            old.locators.begin() + static_cast<long>(std::min(old.locators.size(), kSlots)));
    for (const Text& field : e.locators) {
        Text loc = trim(field);
        if (real_locator(loc)) slots.push_back(std::move(loc));
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (std::find(slots.begin() + static_cast<long>(i) + 1, slots.end(), slots[i]) != slots.end())
            continue;
        if (v.locators.size() < kSlots) v.locators.push_back(slots[i]);
    }

    const Text name = pad_cut(trim(e.name), kNameWidth), qth = pad_cut(trim(e.qth), kQthWidth);
    v.name = given(trim(name)) ? trim(name) : old.name;
    v.qth = given(trim(qth)) ? trim(qth) : old.qth;
    const Text exchange = trim(pad_cut(trim(e.exchange), kExchangeWidth));
    if (!given(exchange) || exchange == old.exchange || !given(old.exchange)) {
        v.exchange = given(exchange) ? exchange : old.exchange;
    } else {
        v.exchange = ask(v.call, exchange, old.exchange) ? exchange : old.exchange;
    }
    // A log line holds no HADXC number and says nothing about membership: the station keeps its
    // own. From the entry fields an empty or "000" number clears the station's.
    const bool merging = keep_old && f == IrasFunkcio::MergeLog;
    v.hadxc = hadxc_of(e.hadxc).value_or(merging ? old.hadxc : Text(kNoHadxc));
    v.nmark = merging ? old.nmark : (e.nmark ? "Igen" : "Nem");
    return qra_record(v);
}

long find_station(const std::vector<Text>& records, std::string_view call) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Text& r = records[i];
        // Cheap test first: the key starts with the callsign's first character.
        if (!call.empty() && (r.empty() || r[0] != call[0])) continue;
        if (trim(col(r, kCall, kCallWidth)) == call) return static_cast<long>(i);
    }
    return -1;
}

long replace_station(std::vector<Text>& records, long found, Text record) {
    if (found >= 0) records.erase(records.begin() + found);
    records.push_back(std::move(record));
    return found;
}

bool entry_from_log_line(std::string_view line, ContestType type, QraEntry& e) {
    using T = ContestType;
    const LineLayout layout = layout_of(type);
    auto get = [&](Field f) { return field_trimmed(line, layout, f); };
    auto call = [&](std::size_t width) { e.call = trim(col(line, 21, width)); };
    switch (type) {
        case T::Iaru:
        case T::CqBp:
        case T::CqwwVhf:
            call(15);
            e.locators[0] = get(Field::ReceivedLocator);
            e.name = get(Field::ReceivedName);
            return true;
        case T::YlOm:
            call(15);
            e.name = get(Field::ReceivedName);
            return true;
        case T::Exchange:
        case T::RhOb:
        case T::Hskc:
        case T::Dx: call(15); return true;
        case T::Hadx:
            call(15);
            // Only a Hungarian station's exchange is its own; a DX station sends a serial.
            e.exchange = e.call.rfind("HA", 0) == 0 || e.call.rfind("HG", 0) == 0 ? get(Field::ReceivedSerial)
                                                                                  : Text();
            return true;
        case T::HaQrp:
            call(15);
            e.name = get(Field::ReceivedName);
            e.qth = get(Field::ReceivedQth);
            return true;
        case T::RudxAll:
        case T::RudxTwo: {
            call(15);
            // A Russian station sends its oblast, the others a serial number, which is no exchange.
            const Text received = get(Field::ReceivedSerial);
            e.exchange = is_numeric(received) ? Text() : received;
            return true;
        }
        case T::SilentKeyMem: call(13); return true;
        case T::Ref: {
            call(15);
            const Text received = get(Field::ReceivedSerial);
            e.exchange = is_numeric(received) ? std::to_string(int_value(received)) : received;
            e.locators[0] = Text(kNoLocator);
            return true;
        }
        case T::Nmark:
            // The station's name and QTH as it sent them.
            e.call = get(Field::Call);
            e.name = get(Field::ReceivedName);
            e.qth = get(Field::ReceivedQth);
            return true;
        case T::None:
        case T::Swl: break;
    }
    return false;
}

long merge_log(std::vector<Text>& records, const std::vector<Text>& log, ContestType type, QraEntry& e,
               const ExchangeQuestion& ask) {
    long chosen = -1;
    e.locators = {};
    e.name = e.qth = e.exchange = Text(kNone);
    e.hadxc = Text(kNoHadxc);
    for (const Text& line : log) {
        if (!entry_from_log_line(line, type, e)) break;
        if (trim(e.call).empty()) continue;
        const long found = find_station(records, trim(e.call));
        std::optional<Text> old;
        if (found >= 0) old = records[static_cast<std::size_t>(found)];
        if (found >= 0) chosen = found;
        replace_station(records, found, merged_record(old, e, IrasFunkcio::MergeLog, ask));
    }
    return chosen;
}

long find_typed(const std::vector<Text>& records, std::string_view typed) {
    const Text t = trim(typed);
    if (t.empty()) return -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::size_t at = records[i].find(t);
        if (at != Text::npos && at < 11) return static_cast<long>(i);
    }
    return -1;
}

QraEntry entry_of_record(const Text& record) {
    QraEntry e;
    // All 15 callsign columns: a longer callsign must not lose its last letters on the way back.
    e.call = trim(col(record, kCall, kCallWidth));
    const QraValues v = qra_values(record);
    for (std::size_t k = 0; k < kSlots; ++k) e.locators[k] = k < v.locators.size() ? v.locators[k] : Text();
    e.name = v.name;
    e.qth = v.qth;
    e.exchange = v.exchange;
    e.nmark = v.nmark == "Igen";
    e.hadxc = record.size() >= kHadxcWidth ? record.substr(record.size() - kHadxcWidth) : Text(kNoHadxc);
    return e;
}

}  // namespace loxar
