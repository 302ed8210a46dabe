// The eight default rule files.
#include "rules/rule_files.hpp"

#include "model/file_io.hpp"

namespace loxar {

namespace {

Text rule_text(int ssb, int cw) {
    return "#RULE\r\nSAV =1\r\nDXCC=1\r\nWWL =1\r\nFM  =1\r\nSSB =" + std::to_string(ssb) +
           "\r\nCW  =" + std::to_string(cw) + "\r\n#END";
}

}  // namespace

const std::vector<DefaultRuleFile>& default_rule_files() {
    static const std::vector<DefaultRuleFile> files = {
        {"IARU.rule", rule_text(1, 1)},     {"YLOM.rule", rule_text(2, 3)}, {"CQBP.rule", rule_text(2, 3)},
        {"EXCHANGE.rule", rule_text(1, 1)}, {"HADX.rule", rule_text(1, 1)}, {"CQWW.rule", rule_text(1, 1)},
        {"HAQRP.rule", rule_text(1, 1)},    {"HAOB.rule", rule_text(1, 1)},
    };
    return files;
}

void szabaly_fileok_letrehozasa(const Paths& paths) {
    for (const auto& f : default_rule_files()) {
        std::error_code ec;
        auto path = paths.rules_dir / f.name;
        // A rule file that cannot be written is missing, which loading the rules reports.
        if (!std::filesystem::exists(path, ec)) (void)write_file_atomic(path, f.content);
    }
}

}  // namespace loxar
