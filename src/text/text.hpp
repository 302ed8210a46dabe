// 8-bit text helpers: every line, field and file inside the core is cp1250 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace loxar {

// A text of Windows-1250 bytes: one byte is one column.
using Text = std::string;

inline const Text kCrLf = "\r\n";

// Columns `from`..`from+len-1` (1-based); whatever exists of them, never past the end.
Text col(std::string_view line, std::size_t from, std::size_t len);
// Columns from `from` (1-based) to the end.
Text col_from(std::string_view line, std::size_t from);

// Left-aligned, blank-padded on the right and cut to `width`.
Text pad_cut(std::string_view s, std::size_t width);
// Blanks, tabs, CR and LF cut from both ends, without a copy; inline, as the hot paths (every
// value of an import, every line of a live search) pass here.
inline std::string_view trim_view(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b])) ++b;
    while (e > b && blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}
// The same, as a text of its own.
Text trim(std::string_view s);
// CR, LF and NUL replaced by blanks: a value that must stay inside one line of a file.
Text one_line(std::string_view s);
// `n` as decimal digits with leading zeros to `width` ("00012"); a minus sign leads.
Text zero_pad(long long n, std::size_t width);

// An ASCII digit '0'-'9' (no locale: a cp1250 byte is never one).
constexpr bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
// Non-empty and digits only.
bool all_digits(std::string_view s);

// Trimmed, non-empty, optional sign, digits with at most one decimal point.
bool is_numeric(std::string_view s);
// The number at the start of the text (leading blanks allowed); 0 when there is none.
double val(std::string_view s);
// Rounds half to even into 16 bits; nothing when the value does not fit.
std::optional<std::int16_t> to_short(double v);
std::optional<std::int16_t> to_short(std::string_view s);
// The integer a numeric field holds (rounded half to even); 0 when it is not a number.
long long int_value(std::string_view s);

// Upper case of one cp1250 byte, accented letters included.
char upper_hu(char c);
Text upper_hu(std::string_view s);
// Hungarian accented capitals folded to plain letters (Á->A, Ő->O, Ű->U ...).
char fold_accents(char c);

Text cp1250_to_utf8(std::string_view s);
// Latin letters cp1250 cannot hold become their plain letter (ñ -> n, ø -> o); other characters
// it cannot hold become '?'.
Text utf8_to_cp1250(std::string_view s);
// True when the bytes hold at least one multi-byte UTF-8 sequence and nothing invalid.
bool looks_like_utf8(std::string_view s);
// Outside input: valid multi-byte UTF-8 is converted, anything else is taken as cp1250.
Text input_to_cp1250(std::string_view s);

// A UTF-8 source literal as cp1250: the way Hungarian messages are written in code.
Text hu(std::u8string_view s);

}  // namespace loxar
