// The operator's duplicate marks: log lines marked with "D".
#pragma once

#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// True for a line the operator marked with "D" as a duplicate.
bool marked_duplicate(std::string_view line);
// One flag per line: 1 where the operator marked the line with "D" as a duplicate.
std::vector<char> duplicate_marks(const std::vector<Text>& lines);

}  // namespace loxar
