// The working list of the "Hívójel lista" panel: records, ".qra" files, adding and merging.
#include "database/qra_list.hpp"

#include <algorithm>

#include "core/file_io.hpp"
#include "core/log_fields.hpp"
#include "database/callsign_db.hpp"

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
bool given(const Text& v) { return !v.empty() && v != kNone; }

Text or_none(const Text& v) { return v.empty() ? Text(kNone) : v; }

// A HADXC number as its three digits; nothing unless it is a whole number from 1 to 999.
std::optional<Text> hadxc_of(std::string_view v) {
    const Text t = trim(v);
    if (t.empty() || t.size() > 9 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const long long n = std::stoll(t);
    if (n < 1 || n > 999) return std::nullopt;
    return zero_pad(n, kHadxcWidth);
}

bool real_locator(const Text& loc) { return !loc.empty() && loc != kNoLocator; }

}  // namespace

Text qra_list_heading() {
    return hu(u8"Hívójel           QRA1    QRA2     QRA3    QRA4      Név             QTH                Exch  NMARK    HADXC");
}

Text qra_record(const QraValues& v) {
    Text locators;
    const std::size_t n = std::min(v.locators.size(), kSlots);
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0) locators += ',';
        locators += pad_cut(v.locators[k], kSlotWidth);
    }
    if (locators.empty()) locators = Text(kNoLocator);
    return pad_cut(v.call, kCallWidth) + pad_cut(locators, kLocatorsWidth) + pad_cut(or_none(v.name), kNameWidth) +
           pad_cut(or_none(v.qth), kQthWidth) + pad_cut(or_none(v.exchange), kExchangeWidth) +
           (v.nmark == "Igen" ? "Igen" : "Nem") + "    " + v.hadxc;
}

QraValues qra_values(const Text& record) {
    QraValues v;
    v.call = trim(col(record, kCall, kCallWidth));
    for (std::size_t k = 0; k < kSlots; ++k) {
        Text loc = trim(col(record, kLocators + kSlotStep * k, kSlotWidth));
        if (real_locator(loc)) v.locators.push_back(std::move(loc));
    }
    v.name = or_none(trim(col(record, kName, kNameWidth)));
    v.qth = or_none(trim(col(record, kQth, kQthWidth)));
    v.exchange = or_none(trim(col(record, kExchange, kExchangeWidth)));
    if (record.size() >= kTail + kHadxcWidth) {
        const std::size_t tail_end = record.size() - kHadxcWidth;
        v.nmark = trim(std::string_view(record).substr(kTail - 1, tail_end - (kTail - 1))) == "Igen" ? "Igen" : "Nem";
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
        // Locators shorter than 4 characters are no locators; each keeps a 6-character slot.
        for (std::string_view part : split_at(f[1], ',')) {
            const Text loc = trim(part);
            if (loc.size() < 4 || v.locators.size() >= kSlots) continue;
            Text slot = trim(pad_cut(loc, kSlotWidth));
            if (real_locator(slot)) v.locators.push_back(std::move(slot));
        }
        auto text_field = [&f](std::size_t i) { return i < f.size() ? trim(f[i]) : Text(kNone); };
        v.name = text_field(2);
        v.qth = text_field(3);
        v.exchange = text_field(4);
        v.nmark = f.size() > 5 && trim(f[5]) == "Igen" ? "Igen" : "Nem";
        v.hadxc = f.size() > 6 ? hadxc_of(f[6]).value_or(Text(kNoHadxc)) : Text(kNoHadxc);
        out.records.push_back(qra_record(v));
    }
    return out;
}

Text qra_file_text(const std::vector<Text>& records) {
    Text out = Text(kQraHeader) + kCrLf;
    out.reserve(records.size() * 80);
    for (const Text& r : records) {
        const QraValues v = qra_values(r);
        Text locators;
        for (const Text& loc : v.locators) locators += (locators.empty() ? "" : ",") + loc;
        if (locators.empty()) locators = Text(kNoLocator);
        out += v.call + ";" + locators + ";" + v.name + ";" + v.qth + ";" + v.exchange + ";" + v.nmark + ";" +
               v.hadxc + kCrLf;
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
    // The station's own locators first, then the fields'; of equal ones only the last stays.
    std::vector<Text> slots = old.locators;
    for (const Text& field : e.locators) {
        Text loc = trim(field);
        if (real_locator(loc)) slots.push_back(std::move(loc));
    }
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (std::find(slots.begin() + static_cast<long>(i) + 1, slots.end(), slots[i]) != slots.end()) continue;
        if (v.locators.size() < kSlots) v.locators.push_back(slots[i]);
    }

    const Text name = pad_cut(trim(e.name), kNameWidth), qth = pad_cut(trim(e.qth), kQthWidth);
    v.name = given(trim(name)) ? trim(name) : old.name;
    v.qth = given(trim(qth)) ? trim(qth) : old.qth;
    const Text exchange = trim(pad_cut(trim(e.exchange), kExchangeWidth));
    if (!given(exchange) || exchange == old.exchange || old.exchange == kNone) {
        v.exchange = given(exchange) ? exchange : old.exchange;
    } else {
        v.exchange = ask(v.call, exchange, old.exchange) ? exchange : old.exchange;
    }
    // "000" is no number: the station keeps its own. A log line says nothing about membership.
    v.hadxc = hadxc_of(e.hadxc).value_or(keep_old ? old.hadxc : Text(kNoHadxc));
    v.nmark = keep_old && f == IrasFunkcio::MergeLog ? old.nmark : (e.nmark ? "Igen" : "Nem");
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
        case T::Dx:
            call(15);
            return true;
        case T::Hadx:
            call(15);
            // Only a Hungarian station's exchange is its own; a DX station sends a serial.
            e.exchange = e.call.rfind("HA", 0) == 0 || e.call.rfind("HG", 0) == 0 ? get(Field::ReceivedSerial) : Text();
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
        case T::SilentKeyMem:
            call(13);
            return true;
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
        case T::Swl:
            break;
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
    for (std::size_t k = 0; k < kSlots; ++k) {
        const Text loc = trim(col(record, kLocators + kSlotStep * k, kSlotWidth));
        e.locators[k] = real_locator(loc) ? loc : Text();
    }
    e.name = trim(col(record, kName, kNameWidth));
    e.qth = trim(col(record, kQth, kQthWidth));
    e.exchange = trim(col(record, kExchange, kExchangeWidth));
    const QraValues v = qra_values(record);
    e.nmark = v.nmark == "Igen";
    e.hadxc = record.size() >= kHadxcWidth ? record.substr(record.size() - kHadxcWidth) : Text(kNoHadxc);
    return e;
}

}  // namespace loxar
