// The DXCC country table: "dxcc_list.txt", its fixed-column country list, the prefix lookup.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "model/contest_types.hpp"
#include "model/country_lookup.hpp"
#include "text/text.hpp"

namespace loxar {

inline constexpr const char* kCountryFile = "dxcc_list.txt";
inline constexpr std::size_t kCountrySlots = 1001;  // slots 0..1000
inline constexpr std::size_t kCountryListEntryLength = 120;
inline constexpr std::size_t kCountryRecordLength = 117;  // the list entry from its column 4
inline constexpr std::size_t kMaxPrefixLength = 7;
// Country lines are short; anything longer is not a country line and is not even parsed.
inline constexpr std::size_t kMaxCountryLineLength = 4096;
// The refused lines kept for the message; the rest are only counted.
inline constexpr std::size_t kMaxKeptCountryProblems = 100;

// One slot of the table: the seven fields of a line, plus the prefix length as a 1-character text.
struct CountryRecord {
    Text index = "0";  // 3 digits once loaded ("239")
    Text prefix;
    Text prefix_length;
    Text name;
    Text continent;  // 2 characters
    Text zones;      // field 5: ITU zones separated by ";"
    Text field6;     // the shipped file: CQ zone
    Text field7;     // the shipped file: the country's main prefix
};

// A line that was left out of the table; line 0 stands for the whole file.
struct CountryFileProblem {
    std::size_t line = 0;
    Text reason;  // Hungarian, cp1250
};

struct CountryFileContents {
    std::vector<CountryRecord> records;        // accepted records in file order, at most 1001
    std::vector<CountryFileProblem> problems;  // the first kMaxKeptCountryProblems of them
    std::size_t problem_count = 0;             // all of them
};

// Every well-formed line becomes a record; the others are reported with their line number.
CountryFileContents read_country_file(const Text& bytes);
// The file on disk: a missing file is no problem (an empty table); an unreadable one is.
CountryFileContents load_country_file(const std::filesystem::path& path);

// One message for the operator: the file, the first `shown` problems and how many there are.
Text country_problems_message(const Text& file, const CountryFileContents& contents, std::size_t shown = 5);

// The 120-column country list entry of a record.
Text country_list_entry(const CountryRecord& r);
// The country record the lookup returns: the list entry from its column 4 on, so the whole
// 48-character zone list stands at record columns 60-107.
Text country_record_of_entry(const Text& entry);
// The record for "no country": "000" blank-padded.
Text no_country_record();

// The loaded table and, once built, its country list; the list is what the lookup walks.
class CountryTable : public CountryLookup {
public:
    CountryTable();  // 1001 empty slots
    explicit CountryTable(const std::vector<CountryRecord>& records);

    const std::vector<CountryRecord>& country_table() const { return slots_; }
    const std::vector<Text>& dxcc_lista() const { return list_; }

    // Builds the list from the slots up to (not including) the first record with an empty name.
    void dxcc_lista_toltes();
    // The record of the entry latest in the list whose prefix begins the callsign; "000" when none.
    Text dxcc_kereses(const Text& callsign) const override;

private:
    std::vector<CountryRecord> slots_;
    std::vector<Text> list_;
    std::vector<Text> list_prefixes_;  // trimmed columns 9-15 of each entry
};

// The worked callsign of a log line in the layout of the contest type.
Text logged_callsign(const Text& line, ContestType type);

// The EDI country count over lines of a contest type: QSOs per country index, the first record of
// each country (trimmed, sorted), the line that brought each country, the unknown callsigns.
// Lines flagged in `duplicates` are left out.
struct CountryCount {
    std::vector<long> qso_counts;
    std::vector<Text> records;
    std::vector<char> new_flags;
    std::vector<Text> unknown;
};
CountryCount count_countries(const std::vector<Text>& lines, ContestType type, const CountryLookup& lookup,
                             const std::vector<char>& duplicates);
// The country name of a record (columns 13-44, trimmed).
Text country_name_of(const Text& record);

}  // namespace loxar
