// The operator's own data: the "sajat_adat.txt" file and the check before logging.
#pragma once

#include <array>

#include "text/text.hpp"

namespace loxar {

inline constexpr const char* kOwnDataFile = "sajat_adat.txt";

// The own-station fields the file keeps, in file order (lines 2 to 15).
struct OwnData {
    Text callsign;                      // hivojel_text
    Text locator;                       // QRA_text
    Text operator_name;                 // kezelo_text
    int sex = 0;                        // sex_combo index
    int band = 0;                       // current_band_index
    Text exchange;                      // exch_text
    int real_time = 1;                  // real_time_check
    Text qth;                           // qth_text
    int time_offset = 1;                // ido_eltolas_combo index
    int contest_type = 0;               // szabaly_combo index
    int roger = 0;                      // ROGER_combo index
    std::array<int, 3> gains{3, 3, 3};  // erosito_combo indexes
};
inline constexpr int kOwnDataValueCount = 14;

// The 16 lines, each ended by CR LF: header, the values (texts trimmed), "End".
Text own_data_text(const OwnData& d);

// What reading a file gave: the values in file order up to the first bad line.
struct OwnDataRead {
    OwnData data;         // values beyond `values_read` are the ones passed in
    int values_read = 0;  // 0..14 lines after the header that were read and valid
    bool ok = false;      // header, all 14 values and "End" in place
};
// Numbers are masked as the file's readers always have (real time AND 1, time offset AND 3,
// contest type AND 15, roger beep and gains AND 7); a value no list can show, a band outside
// the band table or a line that is not a 16-bit number stops the reading there.
OwnDataRead parse_own_data(const Text& bytes, const OwnData& current);

// Error bits of the own-data check and their message lines, in bit order.
enum OwnDataError : short {
    kCallsignMissing = 1,
    kLocatorShort = 2,
    kOperatorMissing = 4,
    kSexMissing = 8,
    kBandMissing = 16,
};
short own_data_errors(const OwnData& d);
// The message of a mask: one line per set bit, each followed by CR LF; empty for 0.
Text own_data_error_message(short mask);

}  // namespace loxar
