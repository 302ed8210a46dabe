// Where each value stands in a log line: one table of named fields per layout, which the line
// builders write by and every reader cuts by.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// The values a log line can hold. The received serial of the QRP and NMARK layouts holds the
// received QTH and is named so; SWL keeps the first heard station in the received fields and the
// second in Call2 and the sent fields.
enum class Field {
    DateTime,
    Date,
    Time,
    Call,
    ReceivedReport,
    ReceivedSerial,
    ReceivedLocator,
    ReceivedSex,
    ReceivedName,
    ReceivedQth,
    ReceivedZone,
    SentReport,
    SentSerial,
    Mode,
    OwnSex,
    OwnName,
    OwnQth,
    Distance,
    Points,
    Number,
    CountryMarker,
    Band,
    Call2,
};

// Columns `from`..`from+len-1` (1-based). The own QTH runs to the end of the line.
struct FieldSpan {
    std::size_t from = 0;
    std::size_t len = 0;
};
inline constexpr std::size_t kToLineEnd = std::string_view::npos;

// One written field: where it stands and the separator the builder writes after it.
struct FieldCell {
    Field field;
    FieldSpan at;
    std::string_view after;
};

// clang-format off
inline constexpr std::array kGeneralFields{
    FieldCell{Field::DateTime, {1, 19}, "="},         FieldCell{Field::Call, {21, 20}, "="},
    FieldCell{Field::ReceivedReport, {42, 3}, "/"},   FieldCell{Field::ReceivedSerial, {46, 4}, "/"},
    FieldCell{Field::ReceivedLocator, {51, 6}, "/"},  FieldCell{Field::ReceivedSex, {58, 1}, "="},
    FieldCell{Field::SentReport, {60, 3}, "/"},       FieldCell{Field::SentSerial, {64, 4}, "="},
    FieldCell{Field::Mode, {69, 3}, "="},             FieldCell{Field::OwnSex, {73, 1}, "="},
    FieldCell{Field::Distance, {75, 5}, "/"},         FieldCell{Field::Points, {81, 5}, "="},
    FieldCell{Field::Number, {87, 5}, "="},           FieldCell{Field::ReceivedName, {93, 14}, "="},
    FieldCell{Field::Band, {108, 7}, "="},
};
inline constexpr std::array kQrpFields{
    FieldCell{Field::DateTime, {1, 19}, "="},         FieldCell{Field::Call, {21, 16}, "="},
    FieldCell{Field::ReceivedReport, {38, 3}, "/"},   FieldCell{Field::ReceivedName, {42, 14}, "/"},
    FieldCell{Field::ReceivedQth, {57, 21}, "="},     FieldCell{Field::SentReport, {79, 3}, "="},
    FieldCell{Field::Mode, {83, 3}, "="},             FieldCell{Field::Number, {87, 5}, "="},
    FieldCell{Field::OwnName, {93, 10}, "="},         FieldCell{Field::Points, {104, 1}, "="},
    FieldCell{Field::CountryMarker, {106, 1}, "="},   FieldCell{Field::Band, {108, 7}, "="},
    FieldCell{Field::OwnQth, {116, kToLineEnd}, ""},
};
inline constexpr std::array kSkmFields{
    FieldCell{Field::DateTime, {1, 19}, "="},         FieldCell{Field::Call, {21, 13}, "="},
    FieldCell{Field::ReceivedReport, {35, 3}, "/"},   FieldCell{Field::ReceivedSerial, {39, 13}, "="},
    FieldCell{Field::SentReport, {53, 3}, "="},       FieldCell{Field::SentSerial, {57, 13}, "="},
    FieldCell{Field::Mode, {71, 3}, "="},             FieldCell{Field::Distance, {75, 5}, "="},
    FieldCell{Field::Points, {81, 5}, "="},           FieldCell{Field::Number, {87, 5}, "="},
    FieldCell{Field::OwnName, {93, 14}, "="},         FieldCell{Field::Band, {108, 7}, "="},
    FieldCell{Field::ReceivedZone, {116, 2}, "="},
};
// Columns 83-86 are blank, so that the log number stands at 87 as in the other layouts.
inline constexpr std::array kNmarkFields{
    FieldCell{Field::DateTime, {1, 19}, "="},         FieldCell{Field::Call, {21, 12}, "="},
    FieldCell{Field::ReceivedReport, {34, 3}, "="},   FieldCell{Field::ReceivedName, {38, 14}, "/"},
    FieldCell{Field::ReceivedQth, {53, 21}, "="},     FieldCell{Field::SentReport, {75, 3}, "="},
    FieldCell{Field::Mode, {79, 3}, "=    "},         FieldCell{Field::Number, {87, 5}, "="},
    FieldCell{Field::OwnName, {93, 10}, "="},         FieldCell{Field::Distance, {104, 1}, "/"},
    FieldCell{Field::Points, {106, 1}, "="},          FieldCell{Field::Band, {108, 7}, "="},
    FieldCell{Field::OwnQth, {116, kToLineEnd}, ""},
};
// The band is followed by one blank before its separator.
inline constexpr std::array kSwlFields{
    FieldCell{Field::DateTime, {1, 19}, "="},         FieldCell{Field::Band, {21, 7}, " ="},
    FieldCell{Field::Mode, {30, 3}, "="},             FieldCell{Field::Call, {34, 17}, "/"},
    FieldCell{Field::ReceivedReport, {52, 3}, "/"},   FieldCell{Field::ReceivedSerial, {56, 8}, "="},
    FieldCell{Field::Call2, {65, 17}, "/"},           FieldCell{Field::SentReport, {83, 3}, "/"},
    FieldCell{Field::SentSerial, {87, 8}, "="},       FieldCell{Field::Number, {96, 5}, "="},
};
// clang-format on

namespace log_fields_detail {
// Every field starts where the one before it and its separator end: no gap, no overlap.
template <std::size_t N>
constexpr bool contiguous(const std::array<FieldCell, N>& cells) {
    std::size_t next = 1;
    for (const FieldCell& c : cells) {
        if (c.at.from != next) return false;
        if (c.at.len == kToLineEnd) return &c == &cells[N - 1];
        next = c.at.from + c.at.len + c.after.size();
    }
    return true;
}
}  // namespace log_fields_detail
static_assert(log_fields_detail::contiguous(kGeneralFields));
static_assert(log_fields_detail::contiguous(kQrpFields));
static_assert(log_fields_detail::contiguous(kSkmFields));
static_assert(log_fields_detail::contiguous(kNmarkFields));
static_assert(log_fields_detail::contiguous(kSwlFields));

// Width of a field in a layout's table; 0 when the layout has none.
template <std::size_t N>
constexpr std::size_t field_width(const std::array<FieldCell, N>& cells, Field f) {
    for (const FieldCell& c : cells) {
        if (c.field == f) return c.at.len;
    }
    return 0;
}

// The written fields of a layout in column order (Date and Time are parts of DateTime).
std::span<const FieldCell> layout_fields(LineLayout layout);

// Nothing when the layout has no such field.
std::optional<FieldSpan> field_span(LineLayout layout, Field f);
bool has_field(LineLayout layout, Field f);

// The field's columns as they stand, as much of them as the line holds. Empty when the layout
// has no such field (has_field tells that case from a blank value). The view points into `line`.
std::string_view field_view(std::string_view line, LineLayout layout, Field f);
Text field(std::string_view line, LineLayout layout, Field f);
Text field_trimmed(std::string_view line, LineLayout layout, Field f);

}  // namespace loxar
