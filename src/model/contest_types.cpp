// Contest-type names, their line layouts and the log-list headings.
#include "model/contest_types.hpp"

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
    switch (t) {
        case ContestType::HaQrp:
        case ContestType::Dx: return LineLayout::Qrp;
        case ContestType::SilentKeyMem: return LineLayout::Skm;
        case ContestType::Nmark: return LineLayout::Nmark;
        case ContestType::Swl: return LineLayout::Swl;
        default: return LineLayout::General;
    }
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
    switch (t) {
        case ContestType::None:  // no type chosen behaves as IARU
        case ContestType::Iaru:
        case ContestType::YlOm:
        case ContestType::CqBp:
        case ContestType::Exchange:
        case ContestType::CqwwVhf:
        case ContestType::RhOb: return true;
        default: return false;
    }
}

}  // namespace loxar
