// Default contest rule files, created at start when missing.
#pragma once

#include <vector>

#include "model/paths.hpp"
#include "text/text.hpp"

namespace loxar {

// File name and default content of each of the eight rule files.
struct DefaultRuleFile {
    const char* name;
    Text content;
};
const std::vector<DefaultRuleFile>& default_rule_files();

// Creates every missing rule file in rules_dir; existing ones are never touched.
void szabaly_fileok_letrehozasa(const Paths& paths);

}  // namespace loxar
