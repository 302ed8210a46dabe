// The country lookup as the log core sees it; the country table implements it.
#pragma once

#include "text/text.hpp"

namespace loxar {

class CountryLookup {
public:
    virtual ~CountryLookup() = default;
    // The country record of a callsign: index in columns 1-3, continent in 45-46.
    virtual Text dxcc_kereses(const Text& callsign) const = 0;
};

// A table that knows no country: every callsign resolves to index "000".
class EmptyCountryTable : public CountryLookup {
public:
    Text dxcc_kereses(const Text& callsign) const override;
};

// The country index (columns 1-3) of a record; 0 when they are not a number.
int country_index_of(const Text& record);

}  // namespace loxar
