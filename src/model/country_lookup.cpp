// The country lookup before any country table is loaded.
#include "model/country_lookup.hpp"

namespace loxar {

Text EmptyCountryTable::dxcc_kereses(const Text&) const {
    return pad_cut("000", 107);
}

int country_index_of(const Text& record) {
    Text idx = trim(col(record, 1, 3));
    return is_numeric(idx) ? static_cast<int>(int_value(idx)) : 0;
}

}  // namespace loxar
