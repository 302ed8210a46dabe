// Log sequence numbers in their column.
#include "model/log_numbers.hpp"

#include <algorithm>

namespace loxar {

namespace {

constexpr std::size_t kNumberColumn = 87;
constexpr std::size_t kSwlNumberColumn = 96;

}  // namespace

std::size_t log_number_column(std::string_view line) {
    const bool swl = line.size() >= 95 && line[28] == '=' && line[94] == '=';
    return swl ? kSwlNumberColumn : kNumberColumn;
}

Text log_number_field(std::string_view line) {
    return col(line, log_number_column(line), kLogNumberWidth);
}

Text with_log_number(std::string_view line, long number) {
    const std::size_t at = log_number_column(line);
    return pad_cut(col(line, 1, at - 1), at - 1) + zero_pad(number, kLogNumberWidth) +
           col_from(line, at + kLogNumberWidth);
}

long largest_log_number(const ListBox& log) {
    long largest = 0;
    for (const Text& line : log.items()) {
        const Text field = log_number_field(line);
        if (is_numeric(field)) largest = std::max(largest, static_cast<long>(int_value(field)));
    }
    return largest;
}

}  // namespace loxar
