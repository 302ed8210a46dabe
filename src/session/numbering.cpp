// Next numbers and renumbering.
#include "session/numbering.hpp"

#include "model/contest_profile.hpp"
#include "session/questions.hpp"

namespace loxar {

void kovetkezo_sorszam_rutin(Session& s) {
    const ContestType type = s.contest();
    // Listener's logs are scanned too: their numbers stand in their own columns, so SWL QSOs
    // are numbered 1, 2, 3 ... like every other log.
    const long next = largest_log_number(s.log_lista) + 1;
    s.qso.log_sorszam_text = zero_pad(next, kLogNumberWidth);
    switch (contest_profile(type).sent_serial) {
        case SentSerial::Number: s.qso.kuldott_sorszam_text = std::to_string(next); break;
        case SentSerial::OwnExchange: s.qso.kuldott_sorszam_text = s.station.exch_text; break;
        case SentSerial::Zero:
            s.qso.kuldott_sorszam_text.assign(1, '0');  // not = "0": GCC 12 sees a false overlap there
            break;
        case SentSerial::OwnQth:
            s.qso.kuldott_sorszam_text = s.qso.qth_text;
            s.qso.kuldott_nev_text = s.qso.kezelo_text;
            break;
        case SentSerial::NumberAndExchange:
            s.qso.kuldott_sorszam_text = zero_pad(next, 3) + s.station.exch_text;
            break;
        case SentSerial::Typed: break;
    }
}

bool log_overflows(Session& s, std::size_t qsos) {
    if (qsos <= kMaxLogQsos) return false;
    alert(s, hu(u8"A LOG megtelt: legfeljebb 99999 QSO fér bele!"));
    return true;
}

void sorszamozas(Session& s) {
    for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
        s.log_lista.set(i, with_log_number(s.log_lista.at(i), static_cast<long>(i) + 1));
    }
}

}  // namespace loxar
