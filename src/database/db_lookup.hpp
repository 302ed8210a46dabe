// The lookup of a callsign in the callsign database and what it fills into the received fields.
#pragma once

#include <optional>
#include <vector>

#include "database/callsign_db.hpp"
#include "model/contest_types.hpp"

namespace loxar {

// What a lookup found and what it writes into the entry fields (nothing: the field is left alone).
struct StationFill {
    long index = -1;               // the record found; -1 when none
    std::vector<Text> locators;    // for the locator list qra_lista
    std::optional<Text> callsign;  // kapott_hivojel_text
    std::optional<Text> locator;   // kapott_QRA_text
    std::optional<Text> name;      // kapott_nev_text
    std::optional<Text> number;    // kapott_sorszam_text
};

// The lookup of `sought` (the trimmed callsign) in `db` by the rules of the contest type.
StationFill station_fill(const CallsignDb& db, ContestType type, const Text& sought);

}  // namespace loxar
