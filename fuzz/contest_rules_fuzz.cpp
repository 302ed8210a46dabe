// A rule file's values put into a session and multiplied for every mode, as choosing a mode does.
#include "fuzz_home.hpp"
#include "session/contest_rules.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace loxar;
    const RuleRead r = parse_rule_text(Text(fuzz::input(data, size)));
    Session s = fuzz::home().fresh();
    // CQ-BP on 13 cm: the largest band multiplier the rules apply.
    s.szabaly_combo.set(static_cast<int>(ContestType::CqBp));
    s.current_band_index = sav_sorszam_kereso("2,3 GHz");
    s.rules.rule_values = r.values;
    for (int mode = 0; mode < s.qso.mod_combo.size(); ++mode) {
        s.qso.mod_combo.set(mode);
        mod_szorzo_rutin(s);
    }
    return 0;
}
