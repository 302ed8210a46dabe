// The lookup of a callsign in the callsign database by the contest type.
#include "database/db_lookup.hpp"

#include <algorithm>

namespace loxar {

namespace {

bool all_zeros(const Text& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c == '0'; });
}

}  // namespace

StationFill station_fill(const CallsignDb& db, ContestType type, const Text& sought) {
    using T = ContestType;
    StationFill f;
    if (type == T::None || type == T::Swl) return f;

    // The NMARK and REF databases key their stations by the first 12 columns.
    const bool short_key = type == T::Nmark || type == T::Ref;
    f.index = db.find_call(sought, short_key ? 12 : db_col::kCallWidth);
    if (f.index < 0) {
        if (type == T::Hadx) f.number = Text{};
        return f;
    }
    const Text& r = db.at(static_cast<std::size_t>(f.index));
    const Text name = database_value(col(r, db_col::kName, 14));
    const Text qth = database_value(col(r, db_col::kQth, 18));
    switch (type) {
        case T::Iaru:
        case T::CqBp:
        case T::CqwwVhf:
            f.locators = record_locators(r);
            f.locator = f.locators.empty() ? Text{} : f.locators.front();
            if (!name.empty()) f.name = name;
            break;
        case T::YlOm:
            if (!name.empty()) f.name = name;
            break;
        case T::Hadx: {
            const Text number = database_value(col(r, db_col::kHadxc, 3));
            f.number = all_zeros(number) ? Text{} : number;
            break;
        }
        case T::HaQrp:
        case T::Dx:
            if (!name.empty()) f.name = name;
            if (!qth.empty()) f.number = qth;
            break;
        case T::Nmark:
            // The callsign is written back whole: a 12-character call must not lose its last character.
            f.callsign = sought;
            f.name = name;
            f.number = qth;
            break;
        case T::Ref:
            f.callsign = sought;
            f.number = database_value(col(r, db_col::kExchange, 5));
            break;
        default: break;  // only the current entry of the list changes
    }
    return f;
}

}  // namespace loxar
