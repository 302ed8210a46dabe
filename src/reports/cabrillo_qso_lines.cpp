// Cabrillo QSO lines: a head (frequency, mode, date and time) and a table of fixed-width fields
// cut from the log line.
#include "reports/cabrillo_qso_lines.hpp"

#include "model/bands.hpp"
#include "model/log_fields.hpp"

namespace loxar {

namespace {

const Text kQso = "QSO: ";

// "YYYY-MM-DD HHMM " from the date and time of a log line (the same columns in every layout).
Text date_time(const Text& l) {
    const Text time = field(l, LineLayout::General, Field::Time);
    return trim(field(l, LineLayout::General, Field::Date)) + " " + col(time, 1, 2) + col(time, 4, 2) + " ";
}

Text band_of(const Text& l, LineLayout layout) {
    return field(l, layout, Field::Band);
}
Text mode_of(const Text& l, LineLayout layout) {
    return field(l, layout, Field::Mode);
}

// "QSO: ", the frequency field and a blank, the mode field, date and time.
Text head(const Text& frequency, const Text& mode, const Text& l) {
    return kQso + frequency + " " + mode + date_time(l);
}

using enum Take;

constexpr Column kCommonTail[] = {
    {60, 3, Number, 4},          // sent report
    {64, 4, Serial4, 4, "   "},  // sent exchange
    {21, 20, Trimmed, 14},       // worked callsign
    {42, 3, Number, 4},          // received report
    {46, 4, Serial4, 4, "   "},  // received exchange
};

constexpr Column kHskcTail[] = {
    {60, 3, Number, 4},     // sent report
    {64, 4, Trimmed, 7},    // sent serial and category letter
    {21, 13, Trimmed, 14},  // worked callsign
    {42, 3, Number, 4},     // received report
    {46, 4, Trimmed, 7},    // received serial and category letter
};

constexpr Column kSkmcTail[] = {
    {53, 3, Number, 4},     // sent report
    {57, 13, Trimmed, 14},  // the callsign we remember
    {21, 13, Trimmed, 14},  // worked callsign
    {35, 3, Number, 4},     // received report
    {39, 13, Trimmed, 14},  // the callsign the station remembers
};

constexpr Column kNmarkTail[] = {
    {75, 3, Number, 4},          // sent report
    {93, 10, Trimmed, 10},       // own name
    {21, 12, Trimmed, 14},       // worked callsign
    {34, 3, Digits3, 4},         // received report
    {38, 10, Trimmed, 10, " "},  // received name
};

constexpr Column kSwlTail[] = {
    {34, 13, AsIs, 14},  // first station: callsign, report, serial
    {52, 3, Number, 4},    {56, 8, Trimmed, 10},
    {65, 13, Trimmed, 14},  // second station: callsign, report, serial
    {83, 3, Number, 4},    {87, 8, Trimmed, 10},
};

constexpr Column kQrpTail[] = {
    {79, 3, Number, 4},      // sent report
    {116, 15, Trimmed, 16},  // own QTH
    {93, 10, Trimmed, 11},   // own name
    {21, 16, AsIs, 16},      // worked callsign
    {38, 3, Number, 4},      // received report
    {57, 15, Trimmed, 16},   // received QTH
    {42, 14, Trimmed, 15},   // received name
    {104, 1, AsIs, 1, " "},  // points
};

constexpr Column kCqwwTail[] = {
    {13, 10, Trimmed, 0, " "},  // date
    {24, 4, Trimmed, 0, " "},   // time
    {29, 10, AsIs, 0, " "},     // own callsign
    {44, 4, AsIs, 0, "     "},  // own locator
    {49, 10, AsIs, 0, " "},     // worked callsign
    {64, 4, AsIs, 0, "     "},  // received locator
};

// The NMARK band field: "EL" for the EL mode, else the band's wavelength, "----" for no band.
Text nmark_band(const Text& l) {
    if (trim(mode_of(l, LineLayout::Nmark)) == "EL") return "EL";
    const Text band = trim(band_of(l, LineLayout::Nmark));
    for (int i = 0; i < kBandTableSize; ++i) {
        // An empty slot of the table is no band, even for an empty band column.
        if (!band_table()[i].empty() && trim(band_name(i)) == band) return band_wavelength(i);
    }
    return "----";
}

}  // namespace

Text common_qso_line(const Text& l, const Text& own_call, FrequencyField& freq) {
    constexpr LineLayout kLayout = LineLayout::General;
    return head(freq.next(band_of(l, kLayout)), cabrillo_mode(ModeRow::Common, mode_of(l, kLayout)), l) +
           pad_cut(own_call, 14) + column_fields(l, kCommonTail);
}

Text hskc_qso_line(const Text& l, const Text& own_call) {
    return head(" 3500", "CW ", l) + pad_cut(own_call, 14) + column_fields(l, kHskcTail);
}

Text skmc_qso_line(const Text& l, const Text& own_call, FrequencyField& freq) {
    constexpr LineLayout kLayout = LineLayout::Skm;
    return head(freq.next(band_of(l, kLayout)), cabrillo_mode(ModeRow::Common, mode_of(l, kLayout)), l) +
           pad_cut(own_call, 14) + column_fields(l, kSkmcTail);
}

Text nmark_qso_line(const Text& l, const Text& own_call) {
    constexpr LineLayout kLayout = LineLayout::Nmark;
    const long long points =
        int_value(field(l, kLayout, Field::Distance)) * int_value(field(l, kLayout, Field::Points));
    return head(pad_cut(nmark_band(l), 5), cabrillo_mode(ModeRow::Nmark, mode_of(l, kLayout)), l) +
           pad_cut(own_call, 14) + column_fields(l, kNmarkTail) + zero_pad(points, 2);
}

Text swl_qso_line(const Text& l, FrequencyField& freq) {
    constexpr LineLayout kLayout = LineLayout::Swl;
    return head(freq.next(band_of(l, kLayout)), cabrillo_mode(ModeRow::Common, mode_of(l, kLayout)), l) +
           column_fields(l, kSwlTail);
}

Text qrp_qso_line(const Text& l, const Text& own_call, FrequencyField& freq) {
    constexpr LineLayout kLayout = LineLayout::Qrp;
    return head(freq.next(band_of(l, kLayout)), cabrillo_mode(ModeRow::Qrp, mode_of(l, kLayout)), l) +
           pad_cut(own_call, 15) + column_fields(l, kQrpTail) +
           (field(l, kLayout, Field::CountryMarker) == "N" ? "*" : "");  // a new country
}

Text cqww_qso_line(const Text& list_line) {
    const Text band = trim(col(list_line, 1, 3));
    const Text frequency = band == "145" ? " 144" : band + " ";
    return kQso + pad_cut(frequency, 5) + " " + cabrillo_mode(ModeRow::CqwwVhf, col(list_line, 9, 3)) +
           column_fields(list_line, kCqwwTail);
}

}  // namespace loxar
