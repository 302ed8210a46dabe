// Re-evaluation without the session: a line's scored columns, the types that are re-evaluated.
#include "rules/reevaluation.hpp"

#include "model/log_fields.hpp"

namespace loxar {

namespace {

using T = ContestType;
using enum Field;

}  // namespace

std::optional<Text> rewrite_scored_line(const Text& line, const std::optional<Text>& serial,
                                        const Text& marker, const Text& points) {
    if (line.size() < kScoredLength) return std::nullopt;
    Text out = line;
    auto put = [&out](Field f, const Text& value) {
        const FieldSpan at = *field_span(LineLayout::General, f);
        out.replace(at.from - 1, at.len, pad_cut(value, at.len));
    };
    if (serial) put(ReceivedSerial, *serial);
    put(Distance, marker);
    put(Points, points);
    return out;
}

bool reevaluates(ContestType type) {
    return type != T::YlOm && type != T::CqwwVhf && type != T::Dx;
}

}  // namespace loxar
