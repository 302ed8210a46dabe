// Reading named fields out of log lines by the layout tables.
#include "model/log_fields.hpp"

namespace loxar {

namespace {

// Parts of the date and time field, the same in every layout.
constexpr FieldSpan kDate{1, 10};
constexpr FieldSpan kTime{12, 8};

}  // namespace

std::span<const FieldCell> layout_fields(LineLayout layout) {
    switch (layout) {
        case LineLayout::Qrp: return kQrpFields;
        case LineLayout::Skm: return kSkmFields;
        case LineLayout::Nmark: return kNmarkFields;
        case LineLayout::Swl: return kSwlFields;
        case LineLayout::General: break;
    }
    return kGeneralFields;
}

std::optional<FieldSpan> field_span(LineLayout layout, Field f) {
    if (f == Field::Date) return kDate;
    if (f == Field::Time) return kTime;
    for (const FieldCell& c : layout_fields(layout)) {
        if (c.field == f) return c.at;
    }
    return std::nullopt;
}

bool has_field(LineLayout layout, Field f) {
    return field_span(layout, f).has_value();
}

std::string_view field_view(std::string_view line, LineLayout layout, Field f) {
    const std::optional<FieldSpan> at = field_span(layout, f);
    if (!at || at->from > line.size()) return {};
    return line.substr(at->from - 1, at->len);
}

Text field(std::string_view line, LineLayout layout, Field f) {
    return Text(field_view(line, layout, f));
}

Text field_trimmed(std::string_view line, LineLayout layout, Field f) {
    return trim(field_view(line, layout, f));
}

}  // namespace loxar
