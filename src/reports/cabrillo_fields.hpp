// Pieces the Cabrillo QSO lines share: the mode and frequency fields and column tables.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "text/text.hpp"

namespace loxar {

// Which row of the mode table a QSO line uses.
enum class ModeRow { Common, CqwwVhf, Qrp, Nmark };

// The 3-character mode field for a log mode ("CW ", "PH " ...); empty where the row writes
// nothing, and the rest of the line then moves left.
Text cabrillo_mode(ModeRow row, std::string_view log_mode);

// The Cabrillo designator of a band of the band table ("145 MHz" -> "144", "1,3 GHz" ->
// "1.2G"); empty for anything else.
Text band_designator(std::string_view band);

// The 5-character frequency field along one report. Bands outside the frequency table repeat
// the field of the QSO line before; the first line, having none before it, gets the band's
// designator (five blanks when the text is no band at all).
class FrequencyField {
public:
    // `numeric_band`: a band column holding a kHz figure is written as that number.
    explicit FrequencyField(bool numeric_band) : numeric_band_(numeric_band) {}
    Text next(std::string_view band_column);

private:
    bool numeric_band_;
    std::optional<Text> previous_;
};

// How a column's text becomes a field value.
enum class Take {
    AsIs,     // as it stands
    Trimmed,  // blanks removed at both ends
    Number,   // the whole number without leading zeros ("059" -> "59"), 0 when not numeric
    Serial4,  // the trimmed number as 4 digits ("0000" when not numeric)
    Digits3,  // the leading number as 3 digits ("000" when none)
};

// A fixed-width field taken from columns of a line: from..from+len-1 (1-based), written
// left-aligned, blank-padded and cut to `width` (0: as long as it is), then `after`.
struct Column {
    std::size_t from, len;
    Take take;
    std::size_t width;
    const char* after = "";
};

Text column_field(std::string_view line, const Column& c);
Text column_fields(std::string_view line, std::span<const Column> columns);

// The whole number a field holds, without leading zeros; 0 when it is not numeric.
Text number_text(std::string_view field);

}  // namespace loxar
