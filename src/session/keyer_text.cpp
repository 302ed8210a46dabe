// Keyer message templates filled in from the session.
#include "session/keyer_text.hpp"

#include "session/session.hpp"

namespace loxar {

Text riport_ertelmezes(const Session& s, const Text& szoveg) {
    Text t = trim(szoveg);
    if (t.size() < kTokenLength) return szoveg;
    ReportValues v{s.qso.kapott_hivojel_text,  s.station.hivojel_text, s.qso.kuldott_riport_text,
                   s.qso.kuldott_sorszam_text, s.station.QRA_text,     s.qso.qth_text,
                   s.qso.kezelo_text};
    return expand_tokens(t, report_tokens(v));
}

Text betoltes_ertelmezes(const Session& s, const Text& szoveg) {
    Text t = trim(szoveg);
    if (t.size() < kTokenLength) return t;
    return expand_tokens(t, {{"<M>", s.station.hivojel_text}});
}

}  // namespace loxar
