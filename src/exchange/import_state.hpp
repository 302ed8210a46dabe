// The log import's own state: the work fields of the QSO being converted and the input read.
#pragma once

#include <cstring>

#include "text/text.hpp"

namespace loxar {

// The parts of one QSO while it is converted into a log line.
struct ImportQso {
    Text frequency;     // kHz, or a Cabrillo band word
    Text date;          // yyyy-mm-dd
    Text time;          // HHMM
    Text mode = "   ";  // 3 characters
    Text received_report;
    Text received_serial;
    Text received_locator = "AA00AA";
    Text received_sex = ".";
    Text callsign;
    Text name;
    Text own_callsign;      // own callsign or operator
    Text band = "---    ";  // 7 characters
    Text sent_report = "   ";
    Text sent_serial;
    Text exchange;
    Text contest_id;
    Text additional_exchange;
    long points = 0;  // EDI: kept from the record before when a record has none

    // Every field back to its start value, each keeping its buffer: an ADIF record starts empty,
    // so that no value of the record before is taken for one this record does not hold.
    void clear() {
        for (Text* t : {&frequency, &date, &time, &received_report, &received_serial, &callsign, &name,
                        &own_callsign, &sent_serial, &exchange, &contest_id, &additional_exchange}) {
            t->clear();
        }
        set(mode, "   ");
        set(received_locator, "AA00AA");
        set(received_sex, ".");
        set(band, "---    ");
        set(sent_report, "   ");
        points = 0;
    }

    // A start value written over one of the same length in place: once per record for each.
    template <std::size_t N>
    static void set(Text& field, const char (&value)[N]) {
        if (field.size() == N - 1) {
            std::memcpy(field.data(), value, N - 1);
        } else {
            field.assign(value, N - 1);
        }
    }
};

struct ImportState {
    ImportQso work;
    Text previous_time;  // HHMM of the QSO converted last
    short seconds = 0;   // seconds given to it
    // The file read by "Beolvasás" (a UTF-8 BOM left out), as its bytes: ADIF values are cut by
    // their lengths from this, not from the trimmed lines the panel shows.
    Text input;
};

}  // namespace loxar
