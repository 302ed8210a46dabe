// Pieces the report checks share: lines with their numbers, dates, times, callsigns, locators,
// and the findings list that stops growing at a limit (a huge broken file gives a readable
// list, not millions of lines).
#pragma once

#include <string_view>
#include <vector>

#include "reports/report_check.hpp"

namespace loxar::check {

struct NumberedLine {
    long number;
    std::string_view text;  // without its line end
};
// The text's lines, CR LF, LF or CR ended; a last line without an end is a line too.
std::vector<NumberedLine> split_lines(std::string_view text);

// Findings up to a limit; past it, one closing finding says that more were left out.
class Findings {
public:
    void add(long line, Text message);
    std::vector<Finding> take();

private:
    std::vector<Finding> list_;
    long dropped_ = 0;
};

// "20160507" is a real calendar date.
bool valid_yyyymmdd(std::string_view s);
// "1432" (and, with seconds allowed, "143259") is a real time of day.
bool valid_hhmm(std::string_view s, bool seconds_allowed = false);
// Letters, digits and "/", with a letter and a digit, 3 to 20 characters.
bool looks_like_callsign(std::string_view s);
// A six-character Maidenhead locator, either case ("JN97KK").
bool maidenhead6(std::string_view s);
// Upper-cased ASCII.
Text upper(std::string_view s);
// A non-negative whole number written in digits only.
std::optional<long long> whole_number(std::string_view s);
// A value quoted in a message: at most 20 characters, so a garbled line stays readable.
Text quoted(std::string_view s);

}  // namespace loxar::check
