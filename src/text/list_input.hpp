// Comma-separated data lines as the country and oblast files write them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// Fields of one line: blanks around unquoted fields are dropped, a quoted field keeps its commas
// and blanks ("" inside quotes is one quote), text between a closing quote and the next comma is
// ignored. A trailing comma opens one more, empty field. Nothing when a quote is never closed.
std::optional<std::vector<Text>> list_input_fields(std::string_view line);

}  // namespace loxar
