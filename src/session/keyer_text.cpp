// Keyer message templates and cut numbers.
#include "session/keyer_text.hpp"

#include <algorithm>
#include <cmath>

#include "session/session.hpp"

namespace loxar {

namespace {

constexpr std::size_t kTokenLength = 3;

// The leading number of a serial as 3 digits; a serial that is not a number is sent as "000".
Text serial3(const Text& serial) {
    double v = std::nearbyint(val(serial));
    v = std::clamp(v, -1e15, 1e15);
    return zero_pad(static_cast<long long>(v), 3);
}

}  // namespace

Text szam_rovidites(const Text& szoveg) {
    Text t = trim(szoveg);
    for (char& c : t) {
        if (c == '9')
            c = 'N';
        else if (c == '0')
            c = 'T';
    }
    return t;
}

Text expand_tokens(const Text& text, const std::vector<TemplateToken>& tokens) {
    Text out;
    std::size_t i = 0;
    while (i < text.size()) {
        auto hit = std::find_if(tokens.begin(), tokens.end(), [&](const TemplateToken& t) {
            return text.compare(i, kTokenLength, t.first) == 0;
        });
        if (i + kTokenLength <= text.size() && hit != tokens.end()) {
            out += hit->second;
            i += kTokenLength;
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::vector<TemplateToken> report_tokens(const ReportValues& v) {
    return {
        {"<H>", upper_hu(trim(v.worked_call))},
        {"<M>", v.own_call},
        {"<R>", szam_rovidites(v.sent_report)},
        {"<r>", v.sent_report},
        {"<N>", szam_rovidites(serial3(v.sent_serial))},
        {"<n>", serial3(v.sent_serial)},
        {"<Q>", v.own_locator},
        {"<T>", v.own_qth},
        {"<A>", v.operator_name},
    };
}

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
