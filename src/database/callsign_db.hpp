// The callsign database list: fixed-column station records, sorted, indexed for the as-you-type search.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// Columns of a database record (1-based start, width); the whole record is 102 columns.
namespace db_col {
inline constexpr std::size_t kCall = 1, kCallWidth = 15;
inline constexpr std::size_t kLocators = 16, kLocatorsWidth = 35;
inline constexpr std::size_t kName = 51, kNameWidth = 16;
inline constexpr std::size_t kQth = 67, kQthWidth = 19;
inline constexpr std::size_t kExchange = 86, kExchangeWidth = 6;
inline constexpr std::size_t kNmark = 92, kNmarkWidth = 6;
inline constexpr std::size_t kHadxc = 98, kHadxcWidth = 5;
inline constexpr std::size_t kRecordWidth = 102;
}  // namespace db_col

// Far more stations than any contest meets; the lines beyond are not read.
inline constexpr std::size_t kMaxDatabaseRecords = 300000;

// The record of one ".qra" line (UTF-8 lines are converted); nothing for a line without ";".
// Fields are trimmed; the locators are re-joined with a "," after each non-empty one.
std::optional<Text> database_record(std::string_view line);

// The records of a whole ".qra" file: the first line (the header) is dropped whatever it holds;
// at most kMaxDatabaseRecords, `left_out` counts the station lines beyond them.
struct DatabaseRead {
    std::vector<Text> records;
    std::size_t left_out = 0;
};
DatabaseRead parse_database(std::string_view bytes);

// The real locators of a record: the parts of columns 16-50 that a "," closes, trimmed;
// empty parts and the placeholder "AA00AA" are left out.
std::vector<Text> record_locators(const Text& record);

// A stored value as an entry field takes it: the file's "NONE" means none.
Text database_value(std::string_view stored);

// The home callsign of a callsign written with "/" parts: "HA1AB/P" -> "HA1AB", "OE/HA1AB" -> "HA1AB",
// "OE/HA1AB/P" -> "HA1AB"; four or more parts, or an empty callsign, give "".
Text hivojel_kereses(const Text& hivojel);

// The database list: records kept sorted by their text, one of them current.
class CallsignDb {
public:
    // Replaces the contents; the records are sorted and the first becomes current.
    void assign(std::vector<Text> records);
    void clear();

    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    const Text& at(std::size_t i) const { return records_[i]; }
    const std::vector<Text>& records() const { return records_; }
    // Grows with every assign and clear: a view over the records resets itself when it changes.
    std::uint64_t generation() const { return generation_; }

    // The current entry; -1 when the list is empty.
    long current() const { return current_; }
    void set_current(long i);  // out-of-range indexes are ignored

    // First record from the top whose text contains `needle`; -1 when none does.
    long find_containing(std::string_view needle) const;
    // First record from the top whose callsign key (columns 1..key_width, trimmed) equals `call`.
    long find_call(std::string_view call, std::size_t key_width) const;

private:
    void build_index();

    std::vector<Text> records_;
    long current_ = -1;
    std::uint64_t generation_ = 0;
    // First record holding each byte and each pair of bytes (-1: none).
    std::vector<std::int32_t> first_byte_;
    std::vector<std::int32_t> first_pair_;
    // Per record, two bits (of 256) for every pair of bytes it holds.
    using Signature = std::array<std::uint64_t, 4>;
    std::vector<Signature> signatures_;
};

}  // namespace loxar
