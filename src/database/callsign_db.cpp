// Database records from ".qra" lines, the home callsign, and the indexed database list.
#include "database/callsign_db.hpp"

#include <algorithm>
#include <array>
#include <utility>

#include "model/file_io.hpp"

namespace loxar {

namespace {

bool has_high_byte(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::vector<std::string_view> split_view(std::string_view s, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = s.find(sep, start);
        if (at == std::string_view::npos) {
            parts.push_back(s.substr(start));
            return parts;
        }
        parts.push_back(s.substr(start, at - start));
        start = at + 1;
    }
}

// Sets the two bits (of 256) that stand for a pair of bytes in a signature.
template <typename Signature>
void add_pair(Signature& sig, char a, char b) {
    const std::uint32_t key =
        (static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 8) | static_cast<unsigned char>(b);
    const std::uint32_t h = key * 0x9E3779B1u;
    const unsigned bit1 = h >> 24, bit2 = (h >> 16) & 0xFF;
    sig[bit1 >> 6] |= std::uint64_t{1} << (bit1 & 63);
    sig[bit2 >> 6] |= std::uint64_t{1} << (bit2 & 63);
}

}  // namespace

std::optional<Text> database_record(std::string_view raw) {
    Text converted;
    std::string_view line = raw;
    if (has_high_byte(raw)) {
        converted = input_to_cp1250(raw);
        line = converted;
    }
    if (line.find(';') == std::string_view::npos) return std::nullopt;
    // Fields 1-7; whatever follows a seventh ";" is not read.
    std::array<std::string_view, 7> f{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < f.size() && start <= line.size(); ++i) {
        const std::size_t at = std::min(line.find(';', start), line.size());
        f[i] = line.substr(start, at - start);
        start = at + 1;
    }

    using namespace db_col;
    Text record(kRecordWidth, ' ');
    auto put = [&record](std::size_t column, std::size_t width, std::string_view value) {
        value = trim_view(value);
        value.copy(record.data() + column - 1, std::min(value.size(), width));
    };
    put(kCall, kCallWidth, f[0]);
    // Each locator is followed by ","; empty parts are dropped, so that a field written as
    // "JN97AA,JN97AB," does not yield an empty locator.
    std::size_t at = kLocators - 1;
    const std::size_t end = kLocators - 1 + kLocatorsWidth;
    std::string_view rest = f[1];
    while (at < end) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        const std::string_view part = trim_view(rest.substr(0, comma));
        if (!part.empty()) {
            const std::size_t n = std::min(part.size(), end - at);
            part.copy(record.data() + at, n);
            at += n;
            if (at < end) record[at++] = ',';
        }
        if (comma >= rest.size()) break;
        rest.remove_prefix(comma + 1);
    }
    put(kName, kNameWidth, f[2]);
    put(kQth, kQthWidth, f[3]);
    put(kExchange, kExchangeWidth, f[4]);
    put(kNmark, kNmarkWidth, f[5]);
    put(kHadxc, kHadxcWidth, f[6]);
    return record;
}

DatabaseRead parse_database(std::string_view bytes) {
    DatabaseRead out;
    LineCursor cursor(bytes);
    std::string_view line;
    if (!cursor.next(line)) return out;  // the header line is dropped
    out.records.reserve(std::min(bytes.size() / 40 + 1, kMaxDatabaseRecords));
    while (cursor.next(line)) {
        if (out.records.size() >= kMaxDatabaseRecords) {
            if (line.find(';') != std::string_view::npos) ++out.left_out;
        } else if (auto r = database_record(line)) {
            out.records.push_back(std::move(*r));
        }
    }
    return out;
}

std::vector<Text> record_locators(const Text& record) {
    using namespace db_col;
    const Text field = col(record, kLocators, kLocatorsWidth);
    std::vector<Text> out;
    const std::vector<std::string_view> parts = split_view(field, ',');
    // The last part is what follows the final ",": empty, or a locator cut off at column 50.
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        Text loc = trim(parts[i]);
        if (!loc.empty() && loc != "AA00AA") out.push_back(std::move(loc));
    }
    return out;
}

Text database_value(std::string_view stored) {
    Text v = trim(stored);
    return v == "NONE" ? Text{} : v;
}

Text hivojel_kereses(const Text& hivojel) {
    if (hivojel.empty()) return {};
    const std::vector<std::string_view> parts = split_view(hivojel, '/');
    switch (parts.size()) {
        case 1: return hivojel;
        case 2: {
            const std::string_view second = parts[1];
            // "HA1AB/" while the operator is still typing keeps the callsign it has.
            if (second == "M" || second == "P" || second == "MM" || second.empty()) return Text(parts[0]);
            return Text(second);
        }
        case 3: return Text(parts[1]);
        default: return {};
    }
}

void CallsignDb::assign(std::vector<Text> records) {
    records_ = std::move(records);
    std::sort(records_.begin(), records_.end());
    current_ = records_.empty() ? -1 : 0;
    build_index();
}

void CallsignDb::clear() {
    records_.clear();
    current_ = -1;
    build_index();
}

void CallsignDb::set_current(long i) {
    if (i >= 0 && static_cast<std::size_t>(i) < records_.size()) current_ = i;
}

void CallsignDb::build_index() {
    ++generation_;
    // One walk over the bytes: the first record of every pair, and each record's signature.
    first_pair_.assign(65536, -1);
    signatures_.assign(records_.size(), Signature{});
    for (std::size_t r = 0; r < records_.size(); ++r) {
        const Text& t = records_[r];
        const auto id = static_cast<std::int32_t>(r);
        Signature& sig = signatures_[r];
        for (std::size_t i = 0; i + 1 < t.size(); ++i) {
            const unsigned pair = (static_cast<unsigned>(static_cast<unsigned char>(t[i])) << 8) |
                                  static_cast<unsigned char>(t[i + 1]);
            if (first_pair_[pair] < 0) first_pair_[pair] = id;
            add_pair(sig, t[i], t[i + 1]);
        }
    }

    // A byte of a record of two or more bytes is in one of its pairs.
    first_byte_.assign(256, -1);
    auto earlier = [](std::int32_t& best, std::int32_t r) {
        if (r >= 0 && (best < 0 || r < best)) best = r;
    };
    for (unsigned b = 0; b < 256; ++b) {
        for (unsigned x = 0; x < 256; ++x) {
            earlier(first_byte_[b], first_pair_[(b << 8) | x]);
            earlier(first_byte_[b], first_pair_[(x << 8) | b]);
        }
    }
    for (std::size_t r = 0; r < records_.size(); ++r) {
        if (records_[r].size() == 1) {
            earlier(first_byte_[static_cast<unsigned char>(records_[r][0])], static_cast<std::int32_t>(r));
        }
    }
}

long CallsignDb::find_containing(std::string_view needle) const {
    if (records_.empty()) return -1;
    switch (needle.size()) {
        case 0: return 0;
        case 1: return first_byte_[static_cast<unsigned char>(needle[0])];
        case 2:
            return first_pair_[(static_cast<unsigned>(static_cast<unsigned char>(needle[0])) << 8) |
                               static_cast<unsigned char>(needle[1])];
        default: break;
    }
    // A record holding the text holds each of its pairs, so its signature has all of their bits;
    // only the few records whose signature passes are searched.
    Signature want{};
    for (std::size_t i = 0; i + 1 < needle.size(); ++i) add_pair(want, needle[i], needle[i + 1]);
    for (std::size_t r = 0; r < records_.size(); ++r) {
        const Signature& sig = signatures_[r];
        if (((sig[0] & want[0]) ^ want[0]) | ((sig[1] & want[1]) ^ want[1]) | ((sig[2] & want[2]) ^ want[2]) |
            ((sig[3] & want[3]) ^ want[3])) {
            continue;
        }
        if (records_[r].find(needle) != Text::npos) return static_cast<long>(r);
    }
    return -1;
}

long CallsignDb::find_call(std::string_view call, std::size_t key_width) const {
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const std::string_view key(records_[i].data(), std::min(records_[i].size(), key_width));
        if (trim_view(key) == call) return static_cast<long>(i);
    }
    return -1;
}

}  // namespace loxar
