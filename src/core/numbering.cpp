// Next numbers and renumbering.
#include "core/numbering.hpp"

namespace loxar {

long largest_log_number(const ListBox& log) {
    long largest = 0;
    for (const Text& line : log.items()) {
        Text field = col(line, 87, 5);
        if (is_numeric(field)) largest = std::max(largest, static_cast<long>(int_value(field)));
    }
    return largest;
}

void kovetkezo_sorszam_rutin(Session& s) {
    const ContestType type = s.contest();
    const long largest = type == ContestType::Swl ? 0 : largest_log_number(s.log_lista);
    const long next = largest + 1;
    s.qso.log_sorszam_text = zero_pad(next, 5);
    switch (type) {
        case ContestType::YlOm:
        case ContestType::Hadx:
        case ContestType::SilentKeyMem:
            s.qso.kuldott_sorszam_text = s.station.exch_text;
            break;
        case ContestType::CqwwVhf:
            s.qso.kuldott_sorszam_text = "0";
            break;
        case ContestType::HaQrp:
        case ContestType::Dx:
            s.qso.kuldott_sorszam_text = s.qso.qth_text;
            s.qso.kuldott_nev_text = s.qso.kezelo_text;
            break;
        case ContestType::Hskc:
            s.qso.kuldott_sorszam_text = zero_pad(next, 3) + s.station.exch_text;
            break;
        case ContestType::Nmark:
        case ContestType::Swl:
            break;
        default:
            s.qso.kuldott_sorszam_text = std::to_string(next);
            break;
    }
}

void sorszamozas(Session& s) {
    for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
        const Text& line = s.log_lista.at(i);
        s.log_lista.set(i, pad_cut(col(line, 1, 86), 86) + zero_pad(static_cast<long>(i) + 1, 5) +
                               col_from(line, 92));
    }
}

}  // namespace loxar
