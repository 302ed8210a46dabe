// The contest rules of the chosen type, as loaded from its rule file.
#pragma once

#include <array>

#include "text/text.hpp"

namespace loxar {

struct RuleState {
    Text rule_file_name;
    std::array<short, 6> rule_values{1, 1, 1, 1, 1, 1};  // SAV, DXCC, WWL, FM, SSB, CW
    short band_multiplier = 0;
    Text database_name;
};

}  // namespace loxar
