// Contest-type names, their line layouts and the log-list headings.
#include "model/contest_types.hpp"

#include "model/contest_profile.hpp"

namespace loxar {

const std::array<Text, kContestTypeCount>& contest_type_names() {
    static const std::array<Text, kContestTypeCount> names = {
        "...",
        "IARU",
        "YL-OM",
        "CQ-BP",
        "EXCHANGE",
        "HADX",
        "CQWW-VHF",
        "HA-QRP",
        "RH-OB",
        "RUDX-ALL",
        "RUDX-TWO",
        "HSKC",
        "SILENT KEY MEM",
        "DX",
        "NMARK",
        "REF",
        hu(u8"SWL-Általános"),
    };
    return names;
}

ContestType contest_type_from_index(int index) {
    if (index < 0 || index >= kContestTypeCount) return ContestType::None;
    return static_cast<ContestType>(index);
}

LineLayout layout_of(ContestType t) {
    return contest_profile(t).layout;
}

std::size_t layout_check_column(LineLayout l) {
    switch (l) {
        case LineLayout::Qrp: return 37;
        case LineLayout::Skm: return 34;
        case LineLayout::Nmark: return 37;
        case LineLayout::Swl: return 29;
        default: return 41;
    }
}

Text log_heading(LineLayout l) {
    switch (l) {
        case LineLayout::Qrp:
        case LineLayout::Nmark:
            return hu(
                u8"Időpont              Hívójel                         Kapott                  "
                u8"Küld.    Sorsz.     Név        Frekv.");
        case LineLayout::Swl:
            return hu(
                u8"Időpont              Frekv.   Mód Hívójel-1         RST/Exch-1   Hivójel-2  "
                u8"       RST/Exch-2  Sorsz.");
        default:
            return hu(
                u8"Időpont              Hívójel             Kapott            Küldött        Táv "
                u8"  Pont  Sorsz.     Név        Frekv.");
    }
}

bool distance_is_numeric(ContestType t) {
    return contest_profile(t).numeric_distance;
}

}  // namespace loxar
