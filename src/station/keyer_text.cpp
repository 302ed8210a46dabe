// Keyer message templates and cut numbers.
#include "station/keyer_text.hpp"

#include <algorithm>
#include <cmath>

namespace loxar {

namespace {

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

}  // namespace loxar
