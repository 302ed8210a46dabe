// The sizes of the worked-mark tables the multipliers are scored with.
#pragma once

#include <cstddef>

namespace loxar {

// Sizes of the worked-mark tables.
inline constexpr std::size_t kMarkKeys = 1001;
inline constexpr std::size_t kMarkBands = 29;

}  // namespace loxar
