// Next numbers and renumbering.
#include "core/numbering.hpp"

namespace loxar {

namespace {

constexpr std::size_t kNumberColumn = 87;
constexpr std::size_t kSwlNumberColumn = 96;
constexpr std::size_t kNumberWidth = 5;

}  // namespace

std::size_t log_number_column(std::string_view line) {
    const bool swl = line.size() >= 95 && line[28] == '=' && line[94] == '=';
    return swl ? kSwlNumberColumn : kNumberColumn;
}

Text log_number_field(std::string_view line) {
    return col(line, log_number_column(line), kNumberWidth);
}

Text with_log_number(std::string_view line, long number) {
    const std::size_t at = log_number_column(line);
    return pad_cut(col(line, 1, at - 1), at - 1) + zero_pad(number, kNumberWidth) +
           col_from(line, at + kNumberWidth);
}

long largest_log_number(const ListBox& log) {
    long largest = 0;
    for (const Text& line : log.items()) {
        const Text field = log_number_field(line);
        if (is_numeric(field)) largest = std::max(largest, static_cast<long>(int_value(field)));
    }
    return largest;
}

void kovetkezo_sorszam_rutin(Session& s) {
    const ContestType type = s.contest();
    // Listener's logs are scanned too: their numbers stand in their own columns, so SWL QSOs
    // are numbered 1, 2, 3 ... like every other log.
    const long next = largest_log_number(s.log_lista) + 1;
    s.qso.log_sorszam_text = zero_pad(next, kNumberWidth);
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

bool log_overflows(Session& s, std::size_t qsos) {
    if (qsos <= kMaxLogQsos) return false;
    s.ui().beep();
    s.ui().message(hu(u8"A LOG megtelt: legfeljebb 99999 QSO fér bele!"));
    return true;
}

void sorszamozas(Session& s) {
    for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
        s.log_lista.set(i, with_log_number(s.log_lista.at(i), static_cast<long>(i) + 1));
    }
}

}  // namespace loxar
