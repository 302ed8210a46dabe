// The score explanation applied to the session's log.
#include "session/score_explanation.hpp"

#include "reports/result_fields.hpp"
#include "rules/log_total.hpp"

namespace loxar {

ExplainRules explain_rules(const Session& s) {
    ExplainRules r;
    r.rule_values = s.rules.rule_values;
    r.countries = s.countries;
    r.oblast_entries = &s.db.exchange_lista.items();
    r.sheet = result_multipliers(s.sheet);
    return r;
}

void log_lista_kijeloles(Session& s) {
    const long at = s.log_lista.list_index;
    Text text;
    if (at >= 0 && static_cast<std::size_t>(at) < s.log_lista.size()) {
        text = explain_qso(s.log_lista.items(), static_cast<std::size_t>(at), s.contest(), explain_rules(s))
                   .text;
    }
    if (text == s.score.pont_magyarazat_label) return;
    s.score.pont_magyarazat_label = text;
    s.ui().refresh(Aspect::Explanation);
}

std::vector<Text> score_explanation(const Session& s) {
    const std::vector<Text>& lines = s.log_lista.items();
    const ExplainRules rules = explain_rules(s);
    const std::vector<QsoExplanation> explained = explain_log(lines, s.contest(), rules);
    std::vector<Text> out;
    out.reserve(explained.size() + 3);
    for (const QsoExplanation& e : explained) out.push_back(e.text);
    for (Text& t : explain_totals(lines, s.contest(), explained, log_total(lines, s.contest()), rules))
        out.push_back(std::move(t));
    return out;
}

}  // namespace loxar
