// The Russian oblast table read from RU_oblast.txt, and the oblast entry of a Russian callsign.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

inline constexpr const char* kOblastFile = "RU_oblast.txt";

// Results of the lookup that name no oblast (their columns 34-35 are blank: no exchange).
inline constexpr const char* kOblastUnknownCall = "Unknown...";
inline constexpr const char* kOblastNotFound = "---,------,--,00,00,--";

// Columns of an oblast entry (1-based start, width).
namespace oblast_col {
inline constexpr std::size_t kKey = 5, kKeyWidth = 2;
inline constexpr std::size_t kName = 7, kNameWidth = 25;
inline constexpr std::size_t kExchange = 34, kExchangeWidth = 2;
inline constexpr std::size_t kContinent = 43, kContinentWidth = 2;
}  // namespace oblast_col

// One entry of the oblast list from the seven fields of a record: field 1 (3 columns), field 2
// (the key, 2 columns), the name cut to 25, then fields 4-7 cut to 2 columns, separated by blanks.
// Fields 1 and 2 are padded to their widths so that a short field cannot move the columns.
Text oblast_entry(const std::vector<Text>& fields);

struct OblastRead {
    std::vector<Text> entries;
    std::vector<std::size_t> bad_lines;  // 1-based numbers of lines that are not 7 fields (the first 100)
};
// Every non-blank line of the file that holds exactly seven fields gives one entry.
OblastRead parse_oblast_file(std::string_view bytes);

// The oblast entry of a callsign: the special entries of R1AN and R1FJ, the first entry whose key
// (columns 5-6) equals the call-area digit and the letter after it, kOblastNotFound when no entry
// does, kOblastUnknownCall when the callsign has no such digit.
Text oblast_lookup(const std::vector<Text>& entries, std::string_view hivojel);

}  // namespace loxar
