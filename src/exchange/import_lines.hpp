// Log import: the line builders that turn one converted QSO into a log line.
#pragma once

#include <array>
#include <cstring>
#include <string_view>

#include "exchange/import_state.hpp"
#include "exchange/log_import.hpp"

namespace loxar {

// Copies n bytes as a few moves of fixed size: the values of a QSO are short, and a call of the
// general copy costs more than they do. Reads and writes only the n bytes.
inline void copy_short(char* out, const char* in, std::size_t n) {
    if (n > 16) {
        std::memcpy(out, in, n);
    } else if (n >= 8) {
        std::memcpy(out, in, 8);
        std::memcpy(out + n - 8, in + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(out, in, 4);
        std::memcpy(out + n - 4, in + n - 4, 4);
    } else {
        if (n > 0) out[0] = in[0];
        if (n > 1) out[1] = in[1];
        if (n > 2) out[2] = in[2];
    }
}

// A value from an input file as it may stand in a column: one line, no blanks around it.
Text clean_value(std::string_view v);
// The same written into `target`, whose buffer is reused.
void assign_clean(Text& target, std::string_view v);
// The 3-character mode of a log line for another program's mode word (ADIF MODE, Cabrillo's CW,
// PH, FM, RY, DG, a list's mode): the selector's modes as themselves, AM as "AM ", every other
// digital mode "DIG"; blanks when there is none.
std::string_view import_mode(std::string_view word);
// A received locator from another program: upper-cased, the first 6 characters ("jo61ab12" is
// JO61AB), a square alone as its 4; "AA00AA" for a value the entry check would refuse.
Text import_locator(std::string_view v);

// The line being built: a fixed buffer, reused line after line, so that a QSO costs no
// allocation of its own. Longer than any layout's line; a write past its end is cut off.
struct LineBuffer {
    std::array<char, 256> bytes;
    std::size_t size = 0;
    std::string_view view() const { return {bytes.data(), size}; }
};

// Every builder appends to `line`.

// Columns 1-19 of the next converted QSO, from its date and time; the seconds follow the
// previous QSO's (00, or 10 more within the same minute).
void append_date_time(LineBuffer& line, ImportState& state);
// The rest of the line after the date and time:
// EDI records (general layout, points from the record).
void append_edi_line(LineBuffer& line, const ImportQso& q);
// Cabrillo and ADIF QSOs, by the builder of the contest type: general, QRP or SKM, and for
// CQWW-VHF the CQWW-VHF builder when `cqww_builder` (Cabrillo), the general one otherwise (ADIF).
void append_contest_line(LineBuffer& line, const ImportQso& q, const ImportSettings& settings,
                         bool cqww_builder);
// Callsign-list QSOs (general layout, points from the list).
void append_callsign_list_line(LineBuffer& line, const ImportQso& q);

}  // namespace loxar
